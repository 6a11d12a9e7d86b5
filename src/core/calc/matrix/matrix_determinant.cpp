// Det(A) of order 2, 3 or 4.

#include "calc/matrix/matrix_tasks.h"

namespace tc {

void DeterminantTask(MatrixPage& p, int k) {
    (void)p;
    (void)k;
}

void InverseTask(MatrixPage& p, int k) {
    (void)p;
    (void)k;
}

} // namespace tc
