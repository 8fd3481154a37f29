#pragma once
// The default value of a key under HKEY_CLASSES_ROOT, set (or, for nullptr,
// removed with its key) for a test's time and put back afterwards.
#include <windows.h>
#include <string>

class RegistryDefault {
public:
    RegistryDefault(std::string key, const char* value) : key_(std::move(key))
    {
        char saved[1024] = "";
        LONG size = sizeof saved;
        had_ = RegQueryValueA(HKEY_CLASSES_ROOT, key_.c_str(), saved, &size) == ERROR_SUCCESS;
        saved_ = saved;
        if (value)
            RegSetValueA(HKEY_CLASSES_ROOT, key_.c_str(), REG_SZ, value, 0);
        else
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key_.c_str());
    }
    ~RegistryDefault()
    {
        if (had_)
            RegSetValueA(HKEY_CLASSES_ROOT, key_.c_str(), REG_SZ, saved_.c_str(), 0);
        else
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key_.c_str());
    }
    RegistryDefault(const RegistryDefault&) = delete;
    RegistryDefault& operator=(const RegistryDefault&) = delete;

private:
    std::string key_;
    std::string saved_;
    bool had_ = false;
};
