// The floor for start-up figures: a bare Qt Widgets window with one button.
#include <QApplication>
#include <QPushButton>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QPushButton button(QStringLiteral("OK"));
    button.show();
    return application.exec();
}
