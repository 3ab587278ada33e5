// The reference for the program's start-up: a Qt Widgets window with one
// label, ending once it has been painted the first time.

#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>

namespace {

class Window final : public QWidget {
protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        QTimer::singleShot(0, [] { std::_Exit(0); });
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Window window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QString::fromUtf8("カレンダー"), &window));
    window.resize(400, 300);
    window.show();
    return application.exec();
}
