// The printed page on other papers: scaled by one factor about one origin,
// inside the paper; unchanged where it fits.
#include "data/sjis.h"
#include "layout/paper_fit.h"
#include "print/print_job.h"
#include "print/printed_page.h"
#include "state/display_settings.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "windows/form6/paper_row.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest.h>

namespace cal::test {
namespace {

PaperArea areaOf(const Paper& paper, double margin = 0) {
    return {paper.code, {0, 0, paper.width, paper.height},
            {margin, margin, paper.width - 2 * margin, paper.height - 2 * margin}};
}

class PaperPage : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        showMonth(h, 2026, 5, "金", 31);  // six rows: the 31st in the last
        h.forms.createPrinter();
        addPicture(h, "a.bmp");
        storeField(h.state->yearSettings.framePicture[1], "a.bmp");
        storeField(h.state->yearSettings.schoolName, "ひまわり保育園");
        DayCell& day = h.state->monthCells[31 + 5];
        storeField(day.pictureFile[1], "a.bmp");
        storeField(day.lineText[1], "えんそく");
    }
    // The settings a new data folder gets, or the form's own (70 mm boxes from
    // the paper's edge: wider than A3).
    void layout(bool formsOwn) {
        h.forms.setText(kMainForm, mainform::kRows, "6");
        h.forms.setText(kMainForm, mainform::kBoxWidth, formsOwn ? "70" : "50");
        h.forms.setText(kMainForm, mainform::kPaperLeft, formsOwn ? "0" : "20");
        std::vector<SettingProblem> problems;
        h.state->display = deriveDisplaySettings(h.forms, problems);
        // The month window's cells at half the printed size, as start-up lays them out.
        for (int c = 0; c < 7; ++c)
            h.forms.move(kMonthForm, "PICTURE" + std::to_string(c + 1), 40 + h.state->display.paperBoxWidth / 2 * c, 131);
    }
    std::vector<DrawCall> printOn(const PaperArea& paper) {
        h.forms.draws.clear();
        h.forms.printer->paper = paper;
        drawPrintedPage(h.context(), *h.forms.printer);
        return h.forms.drawsOn("PRINTER", "");
    }
    Harness h;
};

// The factor and origin that take the leftmost call's place, and the
// rightmost's, to where they were drawn.
struct Mapping {
    double scale = 1, x = 0, y = 0;
};
Mapping mappingOf(const std::vector<DrawCall>& from, const std::vector<DrawCall>& to) {
    std::size_t a = 0, b = 0;
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (from[i].op == "noclip") continue;
        if (from[i].x < from[a].x) a = i;
        if (from[i].x > from[b].x) b = i;
    }
    const double scale = (to[b].x - to[a].x) / (from[b].x - from[a].x);
    return {scale, to[a].x - scale * from[a].x, to[a].y - scale * from[a].y};
}

TEST_F(PaperPage, EveryPaperGetsThePageScaledByOneFactorAboutOneOriginInsideIt) {
    struct Case {
        const char* paper;
        bool formsOwn, fits;
    };
    for (const Case& k : {Case{"A4", false, false}, Case{"B4", false, false}, Case{"Letter", false, false},
                          Case{"A4", true, false}, Case{"A3", true, false}, Case{"A3", false, true}}) {
        SCOPED_TRACE(std::string(k.paper) + (k.formsOwn ? ", the form's own layout" : ""));
        layout(k.formsOwn);
        const std::vector<DrawCall> unscaled = printOn(kPaperHoldingAnyPage);
        const PaperArea paper = areaOf(*paperNamed(k.paper), k.fits ? 0 : 50);
        const std::vector<DrawCall> scaled = printOn(paper);
        ASSERT_EQ(scaled.size(), unscaled.size());
        const Mapping m = mappingOf(unscaled, scaled);
        // A page that fits is drawn exactly as it is; any other is made smaller.
        EXPECT_TRUE(k.fits ? m.scale == 1 && m.x == 0 && m.y == 0 : m.scale < 1) << m.scale;
        const Rect& p = paper.printable;
        const auto inside = [&](double x, double y) {
            return x >= p.x - 1e-6 && y >= p.y - 1e-6 && x <= p.x + p.width + 1e-6 && y <= p.y + p.height + 1e-6;
        };
        for (std::size_t i = 0; i < scaled.size(); ++i) {
            const DrawCall &s = scaled[i], &u = unscaled[i];
            ASSERT_EQ(s.op + s.text, u.op + u.text);
            if (s.op == "noclip") continue;
            EXPECT_NEAR(s.x, m.x + m.scale * u.x, 1e-6) << i;
            EXPECT_NEAR(s.y, m.y + m.scale * u.y, 1e-6) << i;
            EXPECT_TRUE(inside(s.x, s.y)) << i << " " << s.op;
            // Magnifications and widths scale; corners map as points.
            const bool text = s.op == "text", stretch = s.op == "stretch";
            EXPECT_NEAR(text ? s.magX : s.x2, text ? m.scale * u.magX : (stretch ? 0 : m.x) + m.scale * u.x2, 1e-6);
            EXPECT_TRUE(text || (stretch ? inside(s.x + s.x2, s.y + s.y2) : inside(s.x2, s.y2))) << i;
        }
    }
}

TEST_F(PaperPage, ThePrintDialogOpensWithTheUsersPaperAndKeepsTheOneUsed) {
    std::string error;
    h.registry.setValue("Directory", "Paper", "B4", error);
    restorePaper(h.context());
    h.forms.printer->paper = areaOf(*paperNamed("A4"));  // chosen in the dialog
    BUTTON7_ON(h.context());
    EXPECT_EQ(h.forms.printer->log.front(), "paper 12 2");
    rememberPaper(h.context());
    EXPECT_EQ(h.registry.value("Directory", "Paper"), "A4");
    h.registry.setValue("Directory", "Paper", "A5", error);  // no paper of the list: A3
    restorePaper(h.context());
    EXPECT_EQ(h.state->print.paper, kA3);
}

}  // namespace
}  // namespace cal::test
