// Folders of the user: they follow HOME and the XDG settings of the run.
#include "WinSystem.h"

#include "TestUmgebung.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

TEST(WinSystem, OrdnerFolgenDerUmgebung)
{
    testhilfe::EigeneUmgebung umgebung;
    const std::string sHome = std::getenv("HOME");
    EXPECT_EQ(VeltranoUserFilesOrdner(), sHome + "/Veltrano-User-Files/");
    const std::string sDok = PersoenlicherOrdner();
    ASSERT_FALSE(sDok.empty());
    EXPECT_EQ(sDok.back(), '/');
    EXPECT_EQ(sDok.rfind(sHome, 0), 0u) << sDok;
    EXPECT_TRUE(std::filesystem::is_directory(sDok)) << sDok;
}

TEST(WinSystem, AdministratorIstNurRoot)
{
    EXPECT_EQ(bIstAdministrator(), ::geteuid() == 0);
    EXPECT_FALSE(bIstWow64());
}
