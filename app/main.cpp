#include <QApplication>
#include <QStyle>

#include "CalculatorStyle.h"
#include "CalculatorWindow.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(new cambist::CalculatorStyle(QApplication::style()->name()));
    cambist::CalculatorWindow window;
    window.show();
    return application.exec();
}
