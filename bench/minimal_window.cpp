// The toolkit's floor for start-up time and memory: a Qt Widgets window
// with one label, built the same way as the converter.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Вычислитель"));
    label.resize(368, 279);
    label.show();
    return QApplication::exec();
}
