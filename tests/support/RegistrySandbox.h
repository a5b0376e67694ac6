#pragma once

#include "registry/RegistryManager.h"

#include <gtest/gtest.h>

#include <string>

// Gives each test a registry of its own: where the store file serves the registry, a new
// empty store in a temporary folder; on Windows, key and extension names no other test uses.
class RegistrySandbox : public ::testing::Test
{
  public:
    // A manager addressing path directly under rootKey.
    static RegistryManager Direct(int32_t rootKey, const std::string& path);

  protected:
    void SetUp() override;
    void TearDown() override;

    // A name unique to this test run, for a company key or an extension.
    std::string Unique(const std::string& stem) const;

    // A manager addressing Software\<company>\<application> of the current user.
    RegistryManager AppKey(const std::string& company, const std::string& application) const;

    std::string m_stamp;
    std::string m_folder; // the store's temporary folder, where there is one
};
