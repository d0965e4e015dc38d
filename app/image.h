// SPDX-License-Identifier: MIT
#pragma once

#include "pictures.h"

#include <QImage>
#include <QWidget>

// A picture painted on the window's own surface at its own size, with no border. It never takes
// the keyboard focus.
class Image : public QWidget
{
    Q_OBJECT

public:
    Image(Control owner, QWidget* parent);

    const QImage& picture() const { return m_picture.picture(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Pictures::ScreenPicture m_picture;
};
