#pragma once
#include <string>
#include <vector>

#include "app/TkdBindable.h"

// The property accessor of one bound control: reads and writes a published
// property by name (found without regard to letter case) as text.
class TkdPropList {
public:
    explicit TkdPropList(TkdBindable& Control);

    // Integer and enumerated properties give the name of their value ("True",
    // "False", decimal digits); text properties their text; "" when there is
    // no such property or on any error.
    std::string ReadProp(const std::string& PropName) const;
    // Enumerated properties take the value named by Text (any letter case,
    // "" counting as "False"); a name that is no value is refused. Text
    // properties take Text unchanged. Errors are ignored.
    void WriteProp(const std::string& PropName, const std::string& Text);

private:
    const TkdPropInfo* Find(const std::string& PropName) const;

    int Count;
    std::vector<TkdPropInfo> Props;
    TkdBindable& Control;
};
