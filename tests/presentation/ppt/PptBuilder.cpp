#include "PptBuilder.h"

#include <gsf/gsf.h>

#include <mutex>
#include <stdexcept>

namespace sw::test::ppt {
namespace {

constexpr std::uint32_t masterSlideId = 0x80000000;

std::string slidePersistAtom(std::uint32_t persistId, std::uint32_t slideId, std::uint32_t texts) {
    return atom(0x03F3, u32le(persistId) + u32le(0) + u32le(texts) + u32le(slideId) + u32le(0));
}

std::string slideAtom() {
    // geom, eight placeholder types, masterIdRef, notesIdRef, slideFlags, unused
    return atom(0x03EF, u32le(0) + std::string(8, '\0') + u32le(masterSlideId) + u32le(0) + u16le(0) + u16le(0), 0, 2);
}

std::string shapeRecord(const ShapeSpec& shape, std::uint32_t spid) {
    std::vector<std::string> parts;
    parts.push_back(atom(0xF00A, u32le(spid) + u32le(0x0A00), 0, 2));  // OfficeArtFSP
    if (shape.placement)
        parts.push_back(container(0xF011, {atom(0x0BC3, u32le(0) + u8le(*shape.placement) + u8le(0) + u16le(0))}));
    if (shape.outlineRef) parts.push_back(container(0xF00D, {atom(0x0F9E, u32le(*shape.outlineRef))}));
    else if (shape.text) parts.push_back(container(0xF00D, {blockRecords(*shape.text)}));
    return container(0xF004, parts);
}

std::once_flag gsfOnce;

}  // namespace

std::string blockRecords(const BlockSpec& b) {
    std::string out = textHeader(b.textType);
    if (b.asBytes) {
        std::string latin1;
        for (char16_t c : b.text) {
            if (c > 0xFF) throw std::invalid_argument("TextBytesAtom text must be Latin-1");
            latin1 += static_cast<char>(c);
        }
        out += textBytes(latin1);
    } else {
        out += textChars(b.text);
    }
    out += b.style;
    for (const auto& e : b.extra) out += e;
    return out;
}

std::string slideContainer(const SlideSpec& slide) {
    std::vector<std::string> parts{slideAtom()};
    if (slide.hidden)  // slideTime, soundIdRef, direction, type, flags (fHidden 0x4), speed, unused
        parts.push_back(atom(0x03F9, u32le(0) + u32le(0) + u8le(0) + u8le(0) + u16le(0x0004) + u8le(0) + std::string(3, '\0')));
    std::vector<std::string> shapes{container(0xF004, {atom(0xF00A, u32le(1024) + u32le(0x05), 0, 2)})};  // the group shape
    std::uint32_t spid = 1025;
    for (const ShapeSpec& s : slide.shapes) shapes.push_back(shapeRecord(s, spid++));
    parts.push_back(container(0x040C, {container(0xF002, {atom(0xF008, u32le(static_cast<std::uint32_t>(shapes.size())) + u32le(spid)),
                                                           container(0xF003, shapes)})}));
    return container(0x03EE, parts);
}

std::string textMasterStyle(std::uint16_t textType, const std::vector<CharSpec>& levels) {
    std::string body = u16le(static_cast<std::uint16_t>(levels.size()));
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (textType >= 5) body += u16le(static_cast<std::uint16_t>(i));
        body += u32le(0);  // paragraph exception: nothing set
        body += charException(levels[i]);
    }
    return atom(0x0FA3, body, textType);
}

std::string mainMaster(const DeckSpec& deck) {
    std::vector<std::string> parts{slideAtom()};
    if (deck.colorScheme) {
        std::string scheme;
        for (std::uint32_t c : *deck.colorScheme) scheme += u8le(c >> 16) + u8le((c >> 8) & 0xFF) + u8le(c & 0xFF) + u8le(0);
        parts.push_back(atom(0x07F0, scheme, 1));
    }
    for (const auto& s : deck.masterStyles) parts.push_back(s);
    return container(0x03F8, parts);
}

std::string documentContainer(const DeckSpec& deck, const std::vector<std::uint32_t>& slidePersistIds,
                              std::uint32_t masterPersistId) {
    std::vector<std::string> fonts;
    for (std::size_t i = 0; i < deck.fonts.size(); ++i) {
        std::string face = utf16le(std::u16string(deck.fonts[i].begin(), deck.fonts[i].end()));
        face.resize(64, '\0');
        const std::uint8_t charset = deck.fonts[i] == "Symbol" ? 2 : 0;
        fonts.push_back(atom(0x0FB7, face + u8le(charset) + u8le(0) + u8le(0) + u8le(0), static_cast<std::uint16_t>(i)));
    }
    std::vector<std::string> slides;
    for (std::size_t i = 0; i < deck.slides.size(); ++i) {
        const SlideSpec& s = deck.slides[i];
        slides.push_back(slidePersistAtom(slidePersistIds[i], 256 + static_cast<std::uint32_t>(i),
                                          static_cast<std::uint32_t>(s.listBlocks.size())));
        for (const auto& b : s.listBlocks) slides.push_back(blockRecords(b));
    }
    std::vector<std::string> parts{
        atom(0x03E9, std::string(40, '\0'), 0, 1),
        container(0x03F2, {container(0x07D5, fonts)}),
        container(0x0FF0, {slidePersistAtom(masterPersistId, masterSlideId, 0)}, 1),
        container(0x0FF0, slides, 0),
    };
    if (deck.vbaAtom) parts.push_back(container(0x07D0, {container(0x03FF, {atom(0x0400, u32le(99) + u32le(1) + u32le(2), 0, 2)})}));
    parts.push_back(atom(0x03EA, ""));
    return container(0x03E8, parts);
}

std::string currentUserStream(std::uint32_t offsetToCurrentEdit, std::uint32_t headerToken) {
    const std::string name = "tester";
    std::string body = u32le(0x14) + u32le(headerToken) + u32le(offsetToCurrentEdit) +
                       u16le(static_cast<std::uint16_t>(name.size())) + u16le(0x03F4) + u8le(3) + u8le(0) + u16le(0) +
                       name + u32le(8) + utf16le(u"tester");
    return atom(0x0FF6, body);
}

PptStreams buildStreams(const DeckSpec& deck) {
    PptStreamWriter w;
    std::vector<std::uint32_t> slideIds;
    for (std::size_t i = 0; i < deck.slides.size(); ++i) slideIds.push_back(3 + static_cast<std::uint32_t>(i));
    w.setPersist(1, w.append(documentContainer(deck, slideIds, 2)));
    w.setPersist(2, w.append(mainMaster(deck)));
    for (std::size_t i = 0; i < deck.slides.size(); ++i) w.setPersist(slideIds[i], w.append(slideContainer(deck.slides[i])));
    const std::uint32_t edit = w.commit(1);
    return {w.bytes(), currentUserStream(edit)};
}

std::string compoundFile(const std::vector<std::pair<std::string, std::string>>& streams, unsigned sectorSize) {
    std::call_once(gsfOnce, [] { gsf_init(); });
    GsfOutput* mem = gsf_output_memory_new();
    GsfOutfile* root = gsf_outfile_msole_new_full(mem, sectorSize, 64);
    std::map<std::string, GsfOutfile*> storages;
    for (const auto& [path, data] : streams) {
        GsfOutfile* parent = root;
        std::string name = path;
        if (auto slash = path.find('/'); slash != std::string::npos) {
            const std::string dir = path.substr(0, slash);
            name = path.substr(slash + 1);
            auto& st = storages[dir];
            if (!st) st = GSF_OUTFILE(gsf_outfile_new_child(root, dir.c_str(), TRUE));
            parent = st;
        }
        GsfOutput* child = gsf_outfile_new_child(parent, name.c_str(), FALSE);
        gsf_output_write(child, data.size(), reinterpret_cast<const guint8*>(data.data()));
        gsf_output_close(child);
        g_object_unref(child);
    }
    for (auto& [dir, st] : storages) {
        gsf_output_close(GSF_OUTPUT(st));
        g_object_unref(st);
    }
    gsf_output_close(GSF_OUTPUT(root));
    g_object_unref(root);
    std::string out(reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(mem))),
                    static_cast<std::size_t>(gsf_output_size(mem)));
    g_object_unref(mem);
    return out;
}

std::string compoundFile(const PptStreams& s, unsigned sectorSize) {
    return compoundFile({{"Current User", s.currentUser}, {"PowerPoint Document", s.document}}, sectorSize);
}

std::string buildPpt(const DeckSpec& deck) { return compoundFile(buildStreams(deck)); }

DeckSpec typicalDeck(int slides) {
    DeckSpec deck;
    deck.fonts = {"Arial", "Times New Roman"};
    deck.masterStyles = {textMasterStyle(0, {CharSpec{.bold = true, .fontRef = 0, .size = 44}}),
                         textMasterStyle(1, {CharSpec{.size = 32}, CharSpec{.size = 28}, CharSpec{.size = 24}})};
    deck.colorScheme = std::vector<std::uint32_t>{0xFFFFFF, 0x000000, 0x808080, 0x000000, 0x00CC99, 0x3333CC, 0xCCCCFF, 0xB2B2B2};
    for (int i = 0; i < slides; ++i) {
        SlideSpec s;
        const std::u16string n = [&] {
            std::string t = std::to_string(i + 1);
            return std::u16string(t.begin(), t.end());
        }();
        std::u16string title = u"Quarterly review, part " + n;
        std::u16string body = u"Revenue grew in every region this quarter\rNew customers in the north\r"
                              u"Retention above target\rCosts held flat\tsee appendix\rNext steps for the team";
        s.listBlocks.push_back({0, title, false, styleTextProp(paragraphRuns(title, {0}), charRuns(title, {{0, {.bold = true}}})), {}});
        s.listBlocks.push_back({1, body, false,
                                styleTextProp(paragraphRuns(body, {0, 1, 1, 0, 1}),
                                              charRuns(body, {{8, {.bold = true, .fontRef = 1}},
                                                              {60, {.italic = true, .rgb = 0xCC0000}},
                                                              {0, {.size = 20, .schemeIndex = 4}}})),
                                {}});
        s.shapes.push_back({13, std::nullopt, 0u});
        s.shapes.push_back({14, std::nullopt, 1u});
        deck.slides.push_back(std::move(s));
    }
    return deck;
}

std::string examplePresentation() {
    DeckSpec deck;
    deck.fonts = {"Arial", "Georgia"};
    deck.masterStyles = {textMasterStyle(0, {CharSpec{.fontRef = 1, .size = 40}}),
                         textMasterStyle(1, {CharSpec{.fontRef = 0, .size = 28}, CharSpec{.fontRef = 0, .size = 24}})};
    auto title = [](std::u16string t) { return BlockSpec{0, t, false, styleTextProp(paragraphRuns(t, {0}), {}), {}}; };
    // Slide 1: a title slide (centred title and subtitle) in the drawing.
    SlideSpec s1;
    s1.shapes.push_back({15, BlockSpec{6, u"Slidewright Converter", false, {}, {}}, std::nullopt});
    s1.shapes.push_back({16, BlockSpec{5, u"Outlines from presentations, caf\u00e9 edition", false, {}, {}}, std::nullopt});
    // Slide 2: bullets at two levels with bold and italic runs, in the slide list.
    SlideSpec s2;
    const std::u16string b2 = u"Reads .ppt and .pptx\rBinary files\rPackages\rWrites RTF outlines";
    s2.listBlocks.push_back(title(u"What it does"));
    s2.listBlocks.push_back({1, b2, false,
                             styleTextProp(paragraphRuns(b2, {0, 1, 1, 0}),
                                           charRuns(b2, {{6, {.bold = true}}, {15, {}}, {13, {.italic = true}}, {0, {}}})),
                             {}});
    s2.shapes.push_back({13, std::nullopt, 0u});
    s2.shapes.push_back({14, std::nullopt, 1u});
    // Slide 3: text in the drawing, a non-ASCII word and a second level.
    SlideSpec s3;
    const std::u16string b3 = u"Gr\u00fc\u00dfe from Z\u00fcrich\rTitles become headings\rBullets keep their level";
    s3.shapes.push_back({13, title(u"Na\u00efve questions"), std::nullopt});
    s3.shapes.push_back({14, BlockSpec{1, b3, false,
                                       styleTextProp(paragraphRuns(b3, {0, 1, 1}),
                                                     charRuns(b3, {{5, {.bold = true, .italic = true}}, {0, {}}})),
                                       {}},
                         std::nullopt});
    deck.slides = {s1, s2, s3};
    return buildPpt(deck);
}

}  // namespace sw::test::ppt
