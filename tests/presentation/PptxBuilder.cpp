#include "PptxBuilder.h"

#include <zip.h>

#include <stdexcept>
#include <unistd.h>

namespace sw::test {

std::string PptxBuilder::ns(char which) const {
    switch (which) {
    case 'p': return strict_ ? "http://purl.oclc.org/ooxml/presentationml/main"
                             : "http://schemas.openxmlformats.org/presentationml/2006/main";
    case 'a': return strict_ ? "http://purl.oclc.org/ooxml/drawingml/main"
                             : "http://schemas.openxmlformats.org/drawingml/2006/main";
    default: return strict_ ? "http://purl.oclc.org/ooxml/officeDocument/relationships"
                            : "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    }
}

std::string PptxBuilder::relType(const std::string& name) const { return ns('r') + "/" + name; }

std::string PptxBuilder::namespaces() const {
    return "xmlns:a=\"" + ns('a') + "\" xmlns:r=\"" + ns('r') + "\" xmlns:p=\"" + ns('p') + "\"";
}

int PptxBuilder::addSlide(const std::string& shapes, const std::string& sldAttributes, const std::string& extra) {
    slides_.push_back({shapes, sldAttributes, extra, {}});
    return static_cast<int>(slides_.size());
}

void PptxBuilder::addImage(int slide, std::string bytes) { slides_.at(static_cast<std::size_t>(slide - 1)).images.push_back(std::move(bytes)); }

namespace {

const char* kXmlDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const char* kPkgRels = "http://schemas.openxmlformats.org/package/2006/relationships";

std::string rel(const std::string& id, const std::string& type, const std::string& target) {
    return "<Relationship Id=\"" + id + "\" Type=\"" + type + "\" Target=\"" + target + "\"/>";
}

std::string rels(const std::string& items) {
    return std::string(kXmlDecl) + "<Relationships xmlns=\"" + kPkgRels + "\">" + items + "</Relationships>";
}

std::string spTree(const std::string& shapes) {
    return "<p:cSld><p:spTree><p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>"
           "<p:grpSpPr/>" + shapes + "</p:spTree></p:cSld>";
}

}  // namespace

std::map<std::string, std::string> PptxBuilder::parts() const {
    std::map<std::string, std::string> p;
    std::string types = std::string(kXmlDecl) +
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Default Extension=\"png\" ContentType=\"image/png\"/>"
        "<Default Extension=\"bin\" ContentType=\"application/vnd.ms-office.vbaProject\"/>"
        "<Override PartName=\"/ppt/presentation.xml\" ContentType=\"application/vnd.openxmlformats-officedocument."
        "presentationml.presentation.main+xml\"/>";
    for (std::size_t i = 1; i <= slides_.size(); ++i)
        types += "<Override PartName=\"/ppt/slides/slide" + std::to_string(i) +
                 ".xml\" ContentType=\"application/vnd.openxmlformats-officedocument.presentationml.slide+xml\"/>";
    p["[Content_Types].xml"] = types + "</Types>";
    p["_rels/.rels"] = rels(rel("rId1", relType("officeDocument"), "ppt/presentation.xml"));

    std::string presRels = rel("rId1", relType("slideMaster"), "slideMasters/slideMaster1.xml") +
                           rel("rId2", relType("theme"), "theme/theme1.xml");
    std::string ids;
    for (std::size_t i = 1; i <= slides_.size(); ++i) {
        std::string id = "rId" + std::to_string(100 + i);
        presRels += rel(id, relType("slide"), "slides/slide" + std::to_string(i) + ".xml");
        ids += "<p:sldId id=\"" + std::to_string(255 + i) + "\" r:id=\"" + id + "\"/>";
    }
    if (macros_) {
        presRels += rel("rId9", "http://schemas.microsoft.com/office/2006/relationships/vbaProject", "vbaProject.bin");
        p["ppt/vbaProject.bin"] = "not really a VBA project";
    }
    p["ppt/_rels/presentation.xml.rels"] = rels(presRels);
    p["ppt/presentation.xml"] = std::string(kXmlDecl) + "<p:presentation " + namespaces() +
        "><p:sldMasterIdLst><p:sldMasterId id=\"2147483648\" r:id=\"rId1\"/></p:sldMasterIdLst><p:sldIdLst>" + ids +
        "</p:sldIdLst><p:sldSz cx=\"9144000\" cy=\"6858000\"/><p:notesSz cx=\"6858000\" cy=\"9144000\"/>" +
        (defaultTextStyle_.empty() ? "" : "<p:defaultTextStyle>" + defaultTextStyle_ + "</p:defaultTextStyle>") +
        "</p:presentation>";

    for (std::size_t i = 1; i <= slides_.size(); ++i) {
        const Slide& s = slides_[i - 1];
        std::string name = "slide" + std::to_string(i) + ".xml";
        std::string slideRels = rel("rId1", relType("slideLayout"), "../slideLayouts/slideLayout1.xml");
        for (std::size_t m = 0; m < s.images.size(); ++m) {
            std::string media = "image" + std::to_string(i) + "_" + std::to_string(m + 1) + ".png";
            slideRels += rel("rId" + std::to_string(10 + m), relType("image"), "../media/" + media);
            p["ppt/media/" + media] = s.images[m];
        }
        p["ppt/slides/_rels/" + name + ".rels"] = rels(slideRels);
        p["ppt/slides/" + name] = std::string(kXmlDecl) + "<p:sld " + namespaces() + " " + s.attributes + ">" +
                                  spTree(s.shapes) + s.extra + "</p:sld>";
    }
    p["ppt/slideLayouts/_rels/slideLayout1.xml.rels"] =
        rels(rel("rId1", relType("slideMaster"), "../slideMasters/slideMaster1.xml"));
    p["ppt/slideLayouts/slideLayout1.xml"] = std::string(kXmlDecl) + "<p:sldLayout " + namespaces() + ">" +
                                             spTree(layoutShapes_) + "</p:sldLayout>";
    p["ppt/slideMasters/_rels/slideMaster1.xml.rels"] =
        rels(rel("rId1", relType("slideLayout"), "../slideLayouts/slideLayout1.xml") +
             rel("rId2", relType("theme"), "../theme/theme1.xml"));
    p["ppt/slideMasters/slideMaster1.xml"] = std::string(kXmlDecl) + "<p:sldMaster " + namespaces() + ">" +
        spTree(masterShapes_) +
        "<p:clrMap bg1=\"lt1\" tx1=\"dk1\" bg2=\"lt2\" tx2=\"dk2\" accent1=\"accent1\" accent2=\"accent2\" "
        "accent3=\"accent3\" accent4=\"accent4\" accent5=\"accent5\" accent6=\"accent6\" hlink=\"hlink\" "
        "folHlink=\"folHlink\"/><p:sldLayoutIdLst><p:sldLayoutId id=\"2147483649\" r:id=\"rId1\"/>"
        "</p:sldLayoutIdLst><p:txStyles>" + masterTextStyles_ + "</p:txStyles></p:sldMaster>";
    p["ppt/theme/theme1.xml"] = std::string(kXmlDecl) + "<a:theme xmlns:a=\"" + ns('a') +
        "\" name=\"Test\"><a:themeElements><a:clrScheme name=\"Test\">"
        "<a:dk1><a:sysClr val=\"windowText\" lastClr=\"000000\"/></a:dk1>"
        "<a:lt1><a:sysClr val=\"window\" lastClr=\"FFFFFF\"/></a:lt1>"
        "<a:dk2><a:srgbClr val=\"1F497D\"/></a:dk2><a:lt2><a:srgbClr val=\"EEECE1\"/></a:lt2>"
        "<a:accent1><a:srgbClr val=\"4F81BD\"/></a:accent1><a:accent2><a:srgbClr val=\"C0504D\"/></a:accent2>"
        "<a:accent3><a:srgbClr val=\"9BBB59\"/></a:accent3><a:accent4><a:srgbClr val=\"8064A2\"/></a:accent4>"
        "<a:accent5><a:srgbClr val=\"4BACC6\"/></a:accent5><a:accent6><a:srgbClr val=\"F79646\"/></a:accent6>"
        "<a:hlink><a:srgbClr val=\"0000FF\"/></a:hlink><a:folHlink><a:srgbClr val=\"800080\"/></a:folHlink>"
        "</a:clrScheme><a:fontScheme name=\"Test\"><a:majorFont><a:latin typeface=\"" + major_ +
        "\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:majorFont><a:minorFont><a:latin typeface=\"" + minor_ +
        "\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:minorFont></a:fontScheme><a:fmtScheme name=\"Test\"/>"
        "</a:themeElements></a:theme>";
    return p;
}

namespace {

// Adds the parts to an open archive, "[Content_Types].xml" first; names
// ending in .png/.bin are stored, the others deflated.
void addParts(zip_t* z, const std::map<std::string, std::string>& parts) {
    auto add = [&](const std::string& name, const std::string& data) {
        zip_source_t* src = zip_source_buffer(z, data.data(), data.size(), 0);
        zip_int64_t idx = src ? zip_file_add(z, name.c_str(), src, ZIP_FL_ENC_UTF_8) : -1;
        if (idx < 0) {
            zip_source_free(src);
            throw std::runtime_error("cannot add " + name);
        }
        bool stored = name.ends_with(".png") || name.ends_with(".bin");
        zip_set_file_compression(z, static_cast<zip_uint64_t>(idx), stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    };
    if (auto it = parts.find("[Content_Types].xml"); it != parts.end()) add(it->first, it->second);
    for (const auto& [name, data] : parts)
        if (name != "[Content_Types].xml") add(name, data);
}

void closeArchive(zip_t* z) {
    if (zip_close(z) != 0) {
        std::string why = zip_strerror(z);
        zip_discard(z);
        throw std::runtime_error("cannot write zip: " + why);
    }
}

}  // namespace

void PptxBuilder::zipToFile(const std::map<std::string, std::string>& parts, const std::filesystem::path& file) {
    int error = 0;
    zip_t* z = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!z) throw std::runtime_error("cannot create zip " + file.string());
    try {
        addParts(z, parts);
    } catch (...) {
        zip_discard(z);
        throw;
    }
    closeArchive(z);
}

std::string PptxBuilder::zip(const std::map<std::string, std::string>& parts) {
    // Written into a libzip buffer source, so that no file is involved
    // (the fuzz target builds a package on every input).
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer) throw std::runtime_error("cannot create a zip buffer");
    zip_source_keep(buffer);
    zip_t* z = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!z) {
        zip_source_free(buffer);
        throw std::runtime_error("cannot open a zip buffer");
    }
    try {
        addParts(z, parts);
        closeArchive(z);
    } catch (...) {
        zip_source_free(buffer);
        throw;
    }
    std::string out;
    zip_stat_t st;
    if (zip_source_stat(buffer, &st) != 0 || zip_source_open(buffer) != 0) {
        zip_source_free(buffer);
        throw std::runtime_error("cannot read the zip buffer back");
    }
    out.resize(static_cast<std::size_t>(st.size));
    zip_int64_t n = zip_source_read(buffer, out.data(), out.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    if (n != static_cast<zip_int64_t>(out.size())) throw std::runtime_error("cannot read the zip buffer back");
    return out;
}

std::string placeholder(const std::string& phAttributes, const std::string& body) {
    return "<p:sp><p:nvSpPr><p:cNvPr id=\"2\" name=\"Placeholder\"/><p:cNvSpPr/><p:nvPr><p:ph " + phAttributes +
           "/></p:nvPr></p:nvSpPr><p:spPr/><p:txBody><a:bodyPr/>" + body + "</p:txBody></p:sp>";
}

std::string textBox(const std::string& body) {
    return "<p:sp><p:nvSpPr><p:cNvPr id=\"3\" name=\"TextBox\"/><p:cNvSpPr txBox=\"1\"/><p:nvPr/></p:nvSpPr>"
           "<p:spPr/><p:txBody><a:bodyPr/>" + body + "</p:txBody></p:sp>";
}

std::string para(const std::string& content, int lvl) {
    std::string ppr = lvl >= 0 ? "<a:pPr lvl=\"" + std::to_string(lvl) + "\"/>" : "";
    return "<a:p>" + ppr + content + "</a:p>";
}

std::string run(const std::string& text, const std::string& rPrAttributes, const std::string& rPrChildren) {
    std::string rpr = "<a:rPr lang=\"en-US\" " + rPrAttributes + (rPrChildren.empty() ? "/>" : ">" + rPrChildren + "</a:rPr>");
    return "<a:r>" + rpr + "<a:t>" + text + "</a:t></a:r>";
}

std::string listStyle(const std::string& tag, int level, const std::string& defRPrAttributes,
                      const std::string& defRPrChildren) {
    std::string lvl = "a:lvl" + std::to_string(level + 1) + "pPr";
    std::string def = "<a:defRPr " + defRPrAttributes +
                      (defRPrChildren.empty() ? "/>" : ">" + defRPrChildren + "</a:defRPr>");
    return "<" + tag + "><" + lvl + ">" + def + "</" + lvl + "></" + tag + ">";
}

}  // namespace sw::test
