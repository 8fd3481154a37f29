#pragma once
// What the launch tests share: the resident's state as start-up leaves it
// (instance with the string tables, product caption), COM, and a way to read
// the report box that a launch on another thread shows.
#include <windows.h>
#include <functional>
#include <string>
#include <gtest/gtest.h>
#include "win32/com_ptr.h"

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override;

private:
    win32::ComScope com_;
};

// Runs action, answers the report box it shows with OK and returns the box's
// text; empty when the action ended without a box.
std::string ReportOf(const std::function<void()>& action);

// The text of the report as the user must see it, with the reason if any.
std::string ExpectedReport(const std::string& path, int code, const std::string& reason = "");
// The report of a launch target that does not exist (code 2).
std::string NotFoundReport(const std::string& path);
