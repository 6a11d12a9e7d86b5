// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up benchmark: the least a Qt 6 program with the
// window's shape does before its window maps. A main window of the same size
// as TovrinCALC's, holding a tab widget with six empty tabs, and nothing else.

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* tabs = new QTabWidget;
    for (int i = 1; i <= 6; ++i)
        tabs->addTab(new QWidget, QStringLiteral("Tab %1").arg(i));
    tabs->setFixedSize(800, 623);
    window.setCentralWidget(tabs);
    window.show();
    return QApplication::exec();
}
