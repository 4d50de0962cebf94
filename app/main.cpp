#include <QApplication>
#include <QStyle>

#include "CalculatorStyle.h"
#include "CalculatorWindow.h"
#include "Translations.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    cambist::installTranslations(application);
    QApplication::setStyle(new cambist::CalculatorStyle(QApplication::style()->name()));
    cambist::CalculatorWindow window;
    window.show();
    return application.exec();
}
