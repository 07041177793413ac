// What the grid host tests share: an application with a profile of its own,
// and a way to act inside a modal dialog's loop.
#pragma once

#include "framework/app/BasedApp.h"

#include <gtest/gtest.h>

#include <functional>

namespace gridhosts {

// Kept apart from the program's own profile.
const char TestRegistryKey[] = "TarnwickGridHostsTests";
const char ProfilePath[] = "Software\\TarnwickGridHostsTests";

class TestApp : public CBasedApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }
};

class GridHostTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    int Setting(LPCSTR section, LPCSTR key) { return static_cast<int>(app->GetProfileInt(section, key, -12345)); }
    TestApp* app = nullptr;
};

// Runs action once a visible window with this caption exists on the thread
// (a modal dialog started by whatever runs next); returns whether it ran.
class ModalDriver
{
public:
    ModalDriver(LPCSTR caption, std::function<void(CWnd&)> action);
    ~ModalDriver();
    bool Ran() const;

private:
    UINT_PTR m_timer;
};

void Press(CWnd& dialog, int id);

} // namespace gridhosts
