#pragma once
// A bitmap file loaded into a QImage.

#include "ui/forms_service.h"

#include <QImage>

namespace cal::qtui {

class QtBitmap final : public Bitmap {
public:
    bool load(const std::string& path) override;
    int width() const override { return m_image.width(); }
    int height() const override { return m_image.height(); }
    const QImage& image() const { return m_image; }

private:
    QImage m_image;
};

}  // namespace cal::qtui
