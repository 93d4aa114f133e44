#include "app/Startup.h"

#include <cstdio>

#include "app/TkdApp.h"
#include "app/TkdMain.h"
#include "app/TkdProject.h"
#include "engine/BuiltinPowerPoint.h"
#include "engine/TkdPRES2DOC.h"
#include "search/TkdBatch.h"
#include "search/TkdMatch.h"
#include "support/TkdInfo.h"

namespace {

// The values that make the generic batch machinery this converter.
void WriteConverterIdentity(TkdProject& project) {
    project.ConvertorClass = &TkdConvertor::Create<TkdPRES2DOC>;
    project.SourceMask = "*.ppt?";
    project.SourceFilter = "PowerPoint Workbook (*.ppt;*.pptx)|*.ppt;*.pptx";
    project.TargetExt = ".rtf";
    project.ShortName = "pres2doc";
    project.ProjectExt = ".batch-" + project.ShortName;
    project.ProjectFilter = "Slidewright Project|*" + project.ProjectExt;
    project.Title = "Slidewright Converter";
    project.Version = SW_VERSION;
    SkipLockFiles = true;
}

}  // namespace

int RunProgram(int argc, const char* const* argv) {
    sw::engine::RegisterBuiltinPowerPoint();

    TkdApp kdApp(argc, argv);
    RunningWorkers = 0;
    // Chosen once, so that every file beside the program is read and written in one place.
    const auto files = sw::platform::ProgramFiles::Choose(kdApp.ExeName);
    TkdInfo kdInfo(kdApp, files);
    TkdProject kdProject(kdApp, files);
    kdInfo.Project = &kdProject;
    kdProject.PageOpener = &kdInfo;
    kdProject.Counters = &kdInfo;
    TkdMain kdMain(kdProject, kdInfo);

    WriteConverterIdentity(kdProject);
    if (kdProject.ParseCommandLine()) return 0;  // "-I" or "-U": the notice is given, the program ends

    TkdMatch kdMatch;
    kdMain.Matcher = &kdMatch;

    if (kdProject.PureConsole() && kdProject.Source().find("http") == std::string::npos) {
        try {
            kdMain.Run();
        } catch (const TkdRunRefused& refused) {
            std::fprintf(stderr, "slidewright: %s\n", refused.what());
            return 2;
        }
        return 0;
    }

    std::fputs("slidewright: the window is not available in this build; run unattended with the option "
               "PureConsole=1 (for example: slidewright -P:Source=/in/*.ppt?,Target=/out/,PureConsole=1)\n",
               stderr);
    return 2;
}
