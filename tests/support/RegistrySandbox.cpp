#include "RegistrySandbox.h"

#include <filesystem>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <cstdlib>
#include <unistd.h>
#endif

void RegistrySandbox::SetUp()
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_stamp = std::string(test->name()) + "_" + std::to_string(getpid());
#ifndef _WIN32
    char folder[] = "/tmp/carrowby-registry-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    m_folder = folder;
    setenv("XDG_CONFIG_HOME", folder, 1);
#endif
}

void RegistrySandbox::TearDown()
{
    if (!m_folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
}

std::string RegistrySandbox::Unique(const std::string& stem) const
{
    return stem + m_stamp;
}

RegistryManager RegistrySandbox::AppKey(const std::string& company,
                                        const std::string& application) const
{
    RegistryManager manager;
    manager.Application(application);
    manager.CompanyName(company);
    manager.UseAutoAppSubKeys(True);
    return manager;
}

RegistryManager RegistrySandbox::Direct(int32_t rootKey, const std::string& path)
{
    RegistryManager manager;
    manager.BaseKey(rootKey);
    manager.Subkey(path);
    return manager;
}
