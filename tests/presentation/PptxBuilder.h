#pragma once
#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace sw::test {

// Builds .pptx packages in code for tests, fuzz seeds and benchmarks: a
// master, a layout and a theme, plus the slides added. parts() gives every
// part as text, so a test can break or replace any of them before zip().
// Markup uses the prefixes p:, a: and r:, bound to the transitional or the
// Strict namespaces.
class PptxBuilder {
public:
    explicit PptxBuilder(bool strict = false) : strict_(strict) {}

    // Adds a slide whose p:spTree holds shapes; returns its 1-based number.
    // sldAttributes go on p:sld (e.g. show="0"), extra after p:cSld (e.g. p:clrMapOvr).
    int addSlide(const std::string& shapes, const std::string& sldAttributes = "", const std::string& extra = "");
    // Shapes of the layout's and the master's trees (placeholders with lstStyle).
    void setLayoutShapes(std::string shapes) { layoutShapes_ = std::move(shapes); }
    void setMasterShapes(std::string shapes) { masterShapes_ = std::move(shapes); }
    // Inner XML of the master's p:txStyles and of p:presentation's p:defaultTextStyle.
    void setMasterTextStyles(std::string xml) { masterTextStyles_ = std::move(xml); }
    void setDefaultTextStyle(std::string xml) { defaultTextStyle_ = std::move(xml); }
    void setThemeFonts(std::string major, std::string minor) { major_ = std::move(major); minor_ = std::move(minor); }
    // Adds an image (stored, not deflated) to slide `slide` through a relationship.
    void addImage(int slide, std::string bytes);
    void setMacroProject() { macros_ = true; }

    // Prefix of the relationship types and namespaces in use.
    std::string relType(const std::string& name) const;
    std::string ns(char which) const;  // 'p', 'a', 'r'
    std::string namespaces() const;    // xmlns declarations for p, a, r

    std::map<std::string, std::string> parts() const;

    // Zips parts ("[Content_Types].xml" first); names ending in .png/.bin are stored.
    static std::string zip(const std::map<std::string, std::string>& parts);
    static void zipToFile(const std::map<std::string, std::string>& parts, const std::filesystem::path& file);
    std::string build() const { return zip(parts()); }

private:
    struct Slide {
        std::string shapes, attributes, extra;
        std::vector<std::string> images;
    };
    bool strict_;
    std::vector<Slide> slides_;
    std::string layoutShapes_, masterShapes_, masterTextStyles_, defaultTextStyle_;
    std::string major_ = "Calibri Light", minor_ = "Calibri";
    bool macros_ = false;
};

// Markup snippets (prefixes p:, a:).
// A placeholder shape: phAttributes e.g. type="title" or idx="1"; body is the
// content of p:txBody after a:bodyPr (a:lstStyle and a:p elements).
std::string placeholder(const std::string& phAttributes, const std::string& body);
// A shape without placeholder (a text box).
std::string textBox(const std::string& body);
std::string para(const std::string& content, int lvl = -1);
std::string run(const std::string& text, const std::string& rPrAttributes = "", const std::string& rPrChildren = "");
// An a:lstStyle whose lvlNpPr (N = level + 1) has a:defRPr with these attributes/children.
std::string listStyle(const std::string& tag, int level, const std::string& defRPrAttributes,
                      const std::string& defRPrChildren = "");

}  // namespace sw::test
