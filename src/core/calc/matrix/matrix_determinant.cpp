// Det(A) of order 2, 3 or 4 into DET_A, with its expansion.

#include "calc/matrix/matrix_tasks.h"
#include "text/determinant_text.h"

namespace tc {

void DeterminantTask(MatrixPage& p, int k) {
    if (k < 2 || k > 4) return; // the order list offers 2, 3 and 4 only
    const Numbers& nums = p.env.nums;
    const Square a = ReadSquare(p, k);
    WriteSquareHead(p, kDeterminant, k);
    DeterminantLines lines;
    switch (k) {
    case 2: {
        Ext d;
        p.memo.add(Determinant2Line(nums, a, d));
        p.det.text = nums.g(d);
        break;
    }
    case 3:
        Determinant3Text(lines, nums, a[1][1], a[1][2], a[1][3], a[2][1], a[2][2], a[2][3], a[3][1], a[3][2],
                         a[3][3]);
        p.det.text = lines[5];
        p.memo.add("Det(A)=" + lines[4]);
        break;
    case 4:
        Determinant4Text(lines, nums,
                         {a[1][1], a[1][2], a[1][3], a[1][4], a[2][1], a[2][2], a[2][3], a[2][4], a[3][1],
                          a[3][2], a[3][3], a[3][4], a[4][1], a[4][2], a[4][3], a[4][4]});
        p.memo.add("Det(A)=" + lines[5] + lines[6]);
        p.memo.add(lines[7] + lines[8]);
        p.det.text = lines[9];
        break;
    default: return;
    }
    p.memo.add("");
}

} // namespace tc
