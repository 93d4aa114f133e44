#include "app/TkdPropList.h"

#include "app/TextCompare.h"

TkdPropList::TkdPropList(TkdBindable& Control_)
    : Props(Control_.PublishedProperties()), Control(Control_) {
    Count = static_cast<int>(Props.size());
}

const TkdPropInfo* TkdPropList::Find(const std::string& PropName) const {
    for (const auto& prop : Props)
        if (SameText(prop.Name, PropName)) return &prop;
    return nullptr;
}

std::string TkdPropList::ReadProp(const std::string& PropName) const {
    const TkdPropInfo* prop = Find(PropName);
    if (!prop) return {};
    try {
        TkdPropValue value = Control.GetProperty(prop->Name);
        switch (prop->Kind) {
            case TkdPropKind::Text:
                if (auto* s = std::get_if<std::string>(&value)) return *s;
                return {};
            case TkdPropKind::Boolean:
                if (auto* b = std::get_if<bool>(&value)) return *b ? "True" : "False";
                return {};
            case TkdPropKind::Integer:
                if (auto* i = std::get_if<std::int64_t>(&value)) return std::to_string(*i);
                return {};
            case TkdPropKind::Enumeration:
                if (auto* i = std::get_if<std::int64_t>(&value); i && *i >= 0 &&
                                                                 *i < static_cast<std::int64_t>(prop->EnumNames.size()))
                    return prop->EnumNames[static_cast<std::size_t>(*i)];
                return {};
            case TkdPropKind::Other:
                return {};
        }
    } catch (...) {
    }
    return {};
}

void TkdPropList::WriteProp(const std::string& PropName, const std::string& Text) {
    const TkdPropInfo* prop = Find(PropName);
    if (!prop) return;
    const std::string& name = Text.empty() ? std::string("False") : Text;
    try {
        switch (prop->Kind) {
            case TkdPropKind::Text:
                Control.SetProperty(prop->Name, Text);
                break;
            case TkdPropKind::Boolean:
                if (SameText(name, "True")) Control.SetProperty(prop->Name, true);
                else if (SameText(name, "False")) Control.SetProperty(prop->Name, false);
                break;  // anything else is refused: the control keeps its state
            case TkdPropKind::Enumeration:
                for (std::size_t i = 0; i < prop->EnumNames.size(); ++i)
                    if (SameText(prop->EnumNames[i], name)) {
                        Control.SetProperty(prop->Name, static_cast<std::int64_t>(i));
                        break;
                    }
                break;
            case TkdPropKind::Integer:
            case TkdPropKind::Other:
                break;  // only text and enumerated properties are bound
        }
    } catch (...) {
    }
}
