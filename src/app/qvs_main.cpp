// Placeholder until the main window lands: says so and exits.
#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, "QVS", "The QVS main window is not built yet.");
    return 0;
}
