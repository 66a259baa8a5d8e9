// The floor any Qt 6 Widgets program stands on: one window of eight buttons and four line edits,
// placed by hand without a layout, and nothing else.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Qt floor"));
    window.resize(601, 433);
    for (int i = 0; i < 8; ++i) {
        auto* button = new QPushButton(QStringLiteral("0"), &window);
        button->setGeometry(24 + 72 * i, 40, 41, 41);
    }
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QLineEdit(&window);
        edit->setGeometry(168, 200 + 48 * i, 49, 38);
    }
    window.show();
    return application.exec();
}
