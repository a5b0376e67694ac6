#pragma once

#include "registry/RegistryManager.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

// What the program writes on stderr while it does that.
inline std::string Said(const std::function<void()>& doing)
{
    testing::internal::CaptureStderr();
    return doing(), testing::internal::GetCapturedStderr();
}

// Each test's own registry: an empty store in a temporary folder, or on Windows unique names.
class RegistrySandbox : public ::testing::Test
{
  public:
    // A manager addressing path directly under rootKey.
    static RegistryManager Direct(int32_t rootKey, const std::string& path)
    {
        RegistryManager manager;
        manager.BaseKey(rootKey), manager.Subkey(path);
        return manager;
    }

    // A manager addressing Software\<company>\<application> of the current user.
    static RegistryManager AppKey(const std::string& company, const std::string& application)
    {
        RegistryManager manager = Direct(HKEY_CURRENT_USER_VALUE, "");
        manager.CompanyName(company), manager.Application(application);
        manager.UseAutoAppSubKeys(True);
        return manager;
    }

    // What ReadValue gives for the value name, and its result in *result.
    static std::string Read(RegistryManager key, const std::string& name, Bool16* result = nullptr)
    {
        std::string value = "left over";
        const Bool16 outcome = key.ReadValue(name, value);
        return result ? *result = outcome, value : value;
    }
    // A value of the program's own settings.
    static std::string Saved(const std::string& name)
    {
        return Read(AppKey("QZV", "Carrowby"), name);
    }

  protected:
    void SetUp() override
    {
#ifndef _WIN32
        std::string folder = std::filesystem::temp_directory_path() / "carrowby-registry-XXXXXX";
        ASSERT_NE(mkdtemp(folder.data()), nullptr);
        setenv("XDG_CONFIG_HOME", (m_folder = folder).c_str(), 1);
        setenv("XDG_DATA_HOME", folder.c_str(), 1); // and the tests' results
#endif
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    static std::string FileText(const std::string& path)
    {
        return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
    }

    // A name unique to this test run, for a company key or an extension.
    static std::string Unique(const std::string& stem)
    {
        return stem + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
               std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    }

    std::string m_folder; // the store's temporary folder, where there is one
};
