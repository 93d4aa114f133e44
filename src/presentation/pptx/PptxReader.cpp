#include "presentation/pptx/PptxReader.h"

#include <string_view>

#include "presentation/EngineError.h"
#include "presentation/pptx/Relationships.h"
#include "presentation/pptx/RunFormats.h"
#include "presentation/pptx/SlideReader.h"
#include "presentation/pptx/StyleParts.h"
#include "presentation/pptx/XmlPart.h"
#include "presentation/pptx/ZipPackage.h"

namespace sw::pres {
namespace {

constexpr std::string_view kVbaProjectType = "http://schemas.microsoft.com/office/2006/relationships/vbaProject";

EngineError notAPresentation(const ByteSource& source, const std::string& why) {
    return EngineError(ErrorKind::NotAPresentation, "\"" + source.name() + "\" is not a presentation: " + why);
}

}  // namespace

PptxInfo readPptx(const ByteSource& source, OutlineSink& sink) {
    ZipPackage package(source);

    // The main part is whatever the package relationships call the office
    // document; its name is not fixed.
    Relationships packageRels = Relationships::read(package, "");
    const Relationship* main = packageRels.byType("officeDocument");
    if (!main)
        throw notAPresentation(source, "the package has no main document (no officeDocument relationship)");
    auto mainBytes = package.read(main->target);
    if (!mainBytes)
        throw EngineError(ErrorKind::Damaged, "\"" + source.name() + "\": the package is damaged: its main part " +
                                                  main->target + " is missing");
    const std::string mainPart = main->target;
    XmlPart presentation(std::move(*mainBytes), source.name(), mainPart);
    if (std::string_view(presentation.root().name()) != "p:presentation")
        throw notAPresentation(source, "its main part " + mainPart + " holds a <" +
                                           std::string(presentation.root().name()) +
                                           "> document, not a presentation");

    PptxInfo info;
    Relationships presentationRels = Relationships::read(package, mainPart);
    const LevelStyles defaults = LevelStyles::read(presentation.root().child("p:defaultTextStyle"));
    StyleParts styles(package);
    RunFormats formats(defaults);

    sink.beginPresentation();
    int number = 0;
    for (pugi::xml_node sldId : presentation.root().child("p:sldIdLst").children("p:sldId")) {
        const Relationship* rel = presentationRels.byId(sldId.attribute("r:id").value());
        if (!rel || rel->target.empty()) continue;  // a dangling or NULL reference lists no slide
        // An entry whose relationship is not a slide one (an image, the
        // presentation itself) lists no slide either; its part is not read.
        if (!isRelationshipType(rel->type, "slide")) continue;
        auto bytes = package.read(rel->target);
        if (!bytes) continue;  // a listed slide whose part is missing
        XmlPart slide(std::move(*bytes), source.name(), rel->target);
        if (std::string_view(slide.root().name()) != "p:sld") continue;  // not a slide part

        Relationships slideRels = Relationships::read(package, rel->target);
        std::shared_ptr<const Layout> layout;
        if (const Relationship* l = slideRels.byType("slideLayout")) layout = styles.layout(l->target);

        SlideReader reader(slide, layout, formats);
        sink.beginSlide(++number, reader.hidden());
        reader.emitBlocks(sink);
        sink.endSlide();
    }
    sink.endPresentation();
    // The macro project's relationship type is outside the officeDocument family.
    info.hasVbaProject = presentationRels.hasExactType(kVbaProjectType);
    return info;
}

}  // namespace sw::pres
