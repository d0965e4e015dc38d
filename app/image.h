// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

// A picture painted on the window's own surface at its own size, with no border. It never takes
// the keyboard focus.
class Image : public QWidget
{
    Q_OBJECT

public:
    Image(const QImage& picture, QWidget* parent);

    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
