// The month window's zoom: kept across starts in the per-user settings, and
// the month drawn again whenever it changes.
#include "support/month_setup.h"
#include "ui/names.h"
#include "windows/closing.h"
#include "windows/form2/form2_controls.h"
#include "windows/mainform/data_dir.h"

#include <gtest/gtest.h>

namespace cal::test {
namespace {

TEST(MonthZoom, IsKeptAcrossStartsAndANewZoomDrawsTheMonthAgain) {
    Harness h;
    writeYearFile(h, 2002, 1, "水", 31);
    writeMonthFile(h, 2003, 1);
    h.clock.date = {2003, 1, 20};
    h.registry.keys[kRegistryKey][kMonthZoomValue] = "150";
    h.start();
    EXPECT_DOUBLE_EQ(h.forms.zoom(kMonthForm), 1.5);

    const auto resized = [&] {
        h.forms.draws.clear();
        h.app.handleEvent({kMonthForm, {}, EventKind::Resize});
        return !h.forms.drawsOn(kMonthForm, form2::cell(12)).empty();
    };
    EXPECT_FALSE(resized());  // the same zoom: nothing to draw again
    h.forms.setZoom(kMonthForm, 2);
    EXPECT_TRUE(resized());

    h.forms.answerMessages({MessageAnswer::Yes});
    EXPECT_EQ(closingSequence(h.context(), kMonthForm), 0);
    EXPECT_EQ(h.registry.keys[kRegistryKey][kMonthZoomValue], "200");
}

}  // namespace
}  // namespace cal::test
