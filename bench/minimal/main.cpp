// SPDX-License-Identifier: MIT
// The yardstick: the least a Qt Widgets program can do that looks like ours. One black 682 x 570
// window with one label, rewritten every second.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(682, 570);
    QPalette black = window.palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::yellow);
    window.setPalette(black);
    window.setAutoFillBackground(true);

    QLabel label(&window);
    label.move(510, 180);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    const auto showTime = [&label] {
        label.setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
        label.adjustSize();
    };
    showTime();
    QObject::connect(&timer, &QTimer::timeout, &label, showTime);
    timer.start(1000);
    window.show();
    return QApplication::exec();
}
