#pragma once
#include <memory>
#include <string>

#include "TempDir.h"
#include "app/TkdApp.h"
#include "app/TkdProject.h"

// A program "installed" in a temporary folder, and a project with the
// converter's identity, as start-up makes them.
struct ProjectFixture {
    sw::test::TempDir tmp;
    std::string exe = tmp.dir() + "slidewright";

    std::unique_ptr<TkdApp> app;
    std::unique_ptr<TkdProject> project;

    TkdProject& Make(const std::string& firstArg = "") {
        project.reset();
        app = std::make_unique<TkdApp>(exe, firstArg);
        project = std::make_unique<TkdProject>(*app, sw::platform::ProgramFiles(exe, tmp.dir()));
        project->ShortName = "pres2doc";
        project->ProjectExt = ".batch-pres2doc";
        project->ProjectFilter = "Slidewright Project|*.batch-pres2doc";
        project->SourceFilter = "PowerPoint Workbook (*.ppt;*.pptx)|*.ppt;*.pptx";
        project->SourceMask = "*.ppt?";
        project->TargetExt = ".rtf";
        return *project;
    }
    std::string DefaultProject() const { return exe + ".batch-pres2doc"; }
    std::string RecentFile() const { return exe + ".log"; }
};
