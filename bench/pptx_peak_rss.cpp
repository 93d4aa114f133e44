// pptx_peak_rss <deck> : opens the deck, writes its RTF outline to memory and
// prints the process's peak resident set size in KiB.
#include <sys/resource.h>

#include <iostream>
#include <sstream>

#include "presentation/EngineError.h"
#include "presentation/PresentationEngine.h"
#include "presentation/rtf/RtfWriter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: pptx_peak_rss <deck>\n";
        return 2;
    }
    try {
        auto opened = sw::pres::openPresentation(argv[1]);
        std::ostringstream rtf;
        sw::pres::RtfWriter writer(rtf);
        opened->replay(writer);
    } catch (const sw::pres::EngineError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    std::cout << usage.ru_maxrss << "\n";
    return 0;
}
