#pragma once
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/TkdApp.h"
#include "app/TkdProject.h"
#include "support/TkdInfo.h"

// A program in a temporary folder with its support services; every target
// handed to the shell is recorded instead of opened.
struct InfoFixture {
    sw::test::TempDir tmp;
    std::string exe = tmp.dir() + "slidewright";
    TkdApp app{exe, ""};
    std::vector<std::string> opened;
    std::unique_ptr<TkdInfo> info;
    std::unique_ptr<TkdProject> project;

    TkdInfo& Make() {
        info.reset();
        info = std::make_unique<TkdInfo>(app, sw::platform::ProgramFiles(exe, tmp.dir()),
                                         [this](const std::string& target) { opened.push_back(target); });
        project = std::make_unique<TkdProject>(app, sw::platform::ProgramFiles(exe, tmp.dir()));
        project->Title = "Slidewright Converter";
        project->Version = "1.2.3";
        project->ShortName = "pres2doc";
        info->Project = project.get();
        return *info;
    }
    std::string StoreFile() const { return exe + ".ext"; }
};
