#include "KivFileSizeCalculator.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application's icon, shown by every window of the program.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/kivfilesizecalculator-16.png"));
    icon.addFile(QStringLiteral(":/icons/kivfilesizecalculator-32.png"));
    icon.addFile(QStringLiteral(":/icons/kivfilesizecalculator-48.png"));
    QApplication::setWindowIcon(icon);
    // Ties the windows to the installed desktop entry, where Wayland takes the icon from.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kiv.FileSizeCalculator"));

    KivFileSizeCalculator dialog;
    dialog.show();
    return app.exec();
}
