// The reference for the command-line print: one line of Japanese printed
// to a PDF file with an embedded Japanese font, without any window.

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setResolution(254);
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("IPAGothic"), 12));
    painter.drawText(200, 200, QString::fromUtf8("２０２６ねん３がつ"));
    return painter.end() ? 0 : 1;
}
