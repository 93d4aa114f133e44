#include "presentation/ppt/SlideDrawing.h"

#include "presentation/ppt/ByteReader.h"
#include "presentation/ppt/TextBlockCollector.h"
#include "presentation/ppt/RecordReader.h"
#include "presentation/ppt/RecordTypes.h"

namespace sw::pres::ppt {
namespace {

void readShape(const Record& sp, std::vector<DrawingShape>& out) {
    DrawingShape shape;
    RecordReader children(sp);
    while (auto rec = children.next()) {
        if (rec->type == rt::OfficeArtClientData && rec->isContainer()) {
            RecordReader data(*rec);
            while (auto d = data.next()) {
                // PlaceholderAtom: position (4), placementId (1), size (1).
                if (d->type == rt::PlaceholderAtom && d->body.size() >= 5) shape.placementId = d->body[4];
            }
        } else if (rec->type == rt::OfficeArtClientTextbox && rec->isContainer()) {
            TextBlockCollector blocks;
            RecordReader box(*rec);
            while (auto t = box.next()) {
                if (t->type == rt::OutlineTextRefAtom && t->body.size() >= 4) {
                    ByteReader r(t->body, t->bodyOffset());
                    shape.outlineRef = r.u32();
                } else {
                    blocks.add(*t);
                }
            }
            if (!blocks.blocks().empty()) shape.text = std::move(blocks.blocks().front());
        }
    }
    if (shape.text || shape.outlineRef) out.push_back(std::move(shape));
}

void walk(const Record& container, std::vector<DrawingShape>& out) {
    RecordReader children(container);
    while (auto rec = children.next()) {
        if (!rec->isContainer()) continue;
        switch (rec->type) {
        case rt::Drawing:
        case rt::OfficeArtDg:
        case rt::OfficeArtSpgr:
            walk(*rec, out);
            break;
        case rt::OfficeArtSp:
            readShape(*rec, out);
            break;
        default:
            break;
        }
    }
}

}  // namespace

void SlideDrawing::read(const Record& slideContainer, std::vector<DrawingShape>& out) { walk(slideContainer, out); }

}  // namespace sw::pres::ppt
