#pragma once
// A surface that draws onto another through a PageFit: every place and size
// scaled by one factor about one origin, texts by their magnification.

#include "layout/paper_fit.h"
#include "ui/drawing.h"

namespace cal {

class FittedSurface final : public Surface {
public:
    FittedSurface(Surface& target, const PageFit& fit) : m_target(target), m_fit(fit) {}
    void clear() override { m_target.clear(); }
    void text(double x, double y, std::string_view text, double magX, double magY, int color) override {
        m_target.text(m_fit.x(x), m_fit.y(y), text, magX * m_fit.scale, magY * m_fit.scale, color);
    }
    void rectangle(double x1, double y1, double x2, double y2, int color) override {
        m_target.rectangle(m_fit.x(x1), m_fit.y(y1), m_fit.x(x2), m_fit.y(y2), color);
    }
    void stretch(const Bitmap& bitmap, double x, double y, double width, double height) override {
        m_target.stretch(bitmap, m_fit.x(x), m_fit.y(y), width * m_fit.scale, height * m_fit.scale);
    }
    void clip(double x1, double y1, double x2, double y2) override {
        m_target.clip(m_fit.x(x1), m_fit.y(y1), m_fit.x(x2), m_fit.y(y2));
    }
    void noClip() override { m_target.noClip(); }

private:
    Surface& m_target;
    PageFit m_fit;
};

}  // namespace cal
