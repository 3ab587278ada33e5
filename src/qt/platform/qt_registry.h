#pragma once
// The per-user settings store through QSettings: the registry under
// HKCU\SOFTWARE\SPROUTWORKS\CALENDAR on Windows, the file
// $XDG_CONFIG_HOME/SPROUTWORKS/CALENDAR.conf elsewhere, where a key is a
// [group] of the file.

#include "ui/platform.h"

namespace cal::qtui {

class QtRegistry final : public Registry {
public:
    bool keyExists(const std::string& key) const override;
    std::optional<std::string> value(const std::string& key,
                                     const std::string& name) const override;
    bool setValue(const std::string& key, const std::string& name, const std::string& value,
                  std::string& error) override;
};

}  // namespace cal::qtui
