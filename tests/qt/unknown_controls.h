#pragma once
// A control that no form holds, asked of the forms service, fails the test
// that asked, unless the test expects it.

namespace cal::qttest {

// Turns the forms service's reports on and makes each a test failure.
void failAtUnknownControls();

// While one lives, reports are counted instead of failing the test.
class ExpectedUnknownControls {
public:
    ExpectedUnknownControls();
    ~ExpectedUnknownControls();
    ExpectedUnknownControls(const ExpectedUnknownControls&) = delete;
    ExpectedUnknownControls& operator=(const ExpectedUnknownControls&) = delete;
    int reports() const;
};

}  // namespace cal::qttest
