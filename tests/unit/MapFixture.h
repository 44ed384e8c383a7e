// A map test's world: a fresh grid and map manager in a temporary directory with "Game Data/Maps/".
#pragma once
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

#include "actors/Character.h"
#include "platform/script/Script.h"
#include "world/MapFileHook.h"
#include "world/MapMgr.h"

class MapFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ScriptReset();
        ASSERT_NE(nullptr, getcwd(oldDir, sizeof(oldDir)));
        char pattern[] = "/tmp/hoshimori-map-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        dir = pattern;
        ASSERT_EQ(0, chdir(dir.c_str()));
        ASSERT_EQ(0, system("mkdir -p 'Game Data/Maps'"));
        if (!MapMgr) MapMgr = new CMapMgr();
        MapMgr->InitMap();
        mapWriteFault = {false, -1, false};
    }
    void TearDown() override {
        mapWriteFault = {false, -1, false};
        ASSERT_EQ(0, chdir(oldDir));
        std::string command = "rm -rf '" + dir + "'";
        ASSERT_EQ(0, system(command.c_str()));
    }

    static std::string MapPath(const char *name) { return std::string("Game Data/Maps/") + name; }

    static void WriteMap(const char *name, const std::string &text) {
        FILE *file = fopen(MapPath(name).c_str(), "wb");
        ASSERT_NE(nullptr, file);
        fwrite(text.data(), 1, text.size(), file);
        fclose(file);
    }

    // The file's bytes, or "<missing>" when it cannot be opened.
    static std::string ReadMap(const char *name) {
        FILE *file = fopen(MapPath(name).c_str(), "rb");
        if (!file) return "<missing>";
        std::string text;
        char buffer[4096];
        size_t got;
        while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, got);
        fclose(file);
        return text;
    }

    static std::string Repeat(const std::string &piece, int times) {
        std::string text;
        for (int i = 0; i < times; i++) text += piece;
        return text;
    }

    static void SetName(const char *name) { snprintf(MapMgr->mapName, sizeof(MapMgr->mapName), "%s", name); }

    char oldDir[4096];
    std::string dir;
};
