#pragma once
#include <map>
#include <stdexcept>
#include <string>

#include "app/TkdBindable.h"

// A control as the window would publish it: an edit box (text property
// "text") or a check box (boolean property "checked").
class FakeControl : public TkdBindable {
public:
    enum class Kind { Edit, Check };
    FakeControl(std::string name, Kind kind) : name_(std::move(name)), kind_(kind) {}

    std::string Name() const override { return name_; }
    std::string Hint() const override { return kind_ == Kind::Edit ? "Text" : "Checked"; }
    std::intptr_t Tag() const override { return tag_; }
    void SetTag(std::intptr_t tag) override { tag_ = tag; }
    std::vector<TkdPropInfo> PublishedProperties() const override {
        ++propertyQueries;
        if (kind_ == Kind::Edit) return {{"objectName", TkdPropKind::Text, {}}, {"text", TkdPropKind::Text, {}}};
        return {{"text", TkdPropKind::Text, {}}, {"checked", TkdPropKind::Boolean, {}}};
    }
    TkdPropValue GetProperty(const std::string& name) const override {
        if (name == "text") return text;
        if (name == "checked") return checked;
        if (name == "objectName") return name_;
        throw std::runtime_error("no property " + name);
    }
    void SetProperty(const std::string& name, const TkdPropValue& value) override {
        if (name == "text") text = std::get<std::string>(value);
        else if (name == "checked") checked = std::get<bool>(value);
        else throw std::runtime_error("no property " + name);
    }

    std::string text;
    bool checked = false;
    mutable int propertyQueries = 0;

private:
    std::string name_;
    Kind kind_;
    std::intptr_t tag_ = -1;
};
