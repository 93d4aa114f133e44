#include <gtest/gtest.h>

#include "FakeControl.h"
#include "ProjectFixture.h"
#include "app/TkdPropList.h"

namespace {

struct Bound : ProjectFixture {
    FakeControl source{"eSource", FakeControl::Kind::Edit};
    FakeControl subdir{"cSubdir", FakeControl::Kind::Check};
    FakeControl target{"eTarget", FakeControl::Kind::Edit};
    TkdProject& Bind() {
        TkdProject& p = Make();
        p.BindControl(source);
        p.BindControl(subdir);
        p.BindControl(target);
        return p;
    }
    ~Bound() { project.reset(); }  // unbinds before the controls go
};

}  // namespace

TEST(Binding, ApplyFillsControlsAndCollectRewritesLinesInPlace) {
    Bound b;
    TkdProject& p = b.Bind();
    p.SetOptionsText("SOURCE=/x/*.ppt?\nThreadsCount=2\nSubdir=True\nTarget=/out/");
    p.ApplyToControls();
    EXPECT_EQ(b.source.text, "/x/*.ppt?");
    EXPECT_TRUE(b.subdir.checked);
    EXPECT_EQ(b.target.text, "/out/");

    b.target.text = "";  // an emptied box removes its key
    p.CollectFromControls();
    using Lines = std::vector<std::string>;
    EXPECT_EQ(p.OptionLines(), (Lines{"Source=/x/*.ppt?", "ThreadsCount=2", "Subdir=True"}));
}

TEST(Binding, CheckBoxAcceptsOnlyTrueAndFalse) {
    Bound b;
    TkdProject& p = b.Bind();
    b.subdir.checked = true;
    p.SetOptionsText("Subdir=1");
    p.ApplyToControls();
    EXPECT_TRUE(b.subdir.checked);  // "1" is refused: the box keeps its state
    p.CollectFromControls();
    EXPECT_EQ(p.Value("Subdir"), "True");
    p.SetOptionsText("");  // an empty value counts as "False"
    p.ApplyToControls();
    EXPECT_FALSE(b.subdir.checked);
    EXPECT_EQ(b.source.text, "");
    p.CollectFromControls();
    EXPECT_EQ(p.Value("Subdir"), "False");
}

TEST(Binding, OlderKeysAreReadOnceAndDropped) {
    Bound b;
    TkdProject& p = b.Bind();
    p.SetOptionsText("eSource.Text=/x/*.ppt?\ncSubdir.Checked=True\neTarget.Text=");
    p.ApplyToControls();
    EXPECT_EQ(b.source.text, "/x/*.ppt?");
    EXPECT_TRUE(b.subdir.checked);
    EXPECT_TRUE(p.OptionLines().empty());
    p.CollectFromControls();
    EXPECT_EQ(p.Value("Source"), "/x/*.ppt?");
    EXPECT_EQ(p.Value("Subdir"), "True");
}

TEST(Binding, AccessorIsMadeOnceAndUnbindingResetsTags) {
    Bound b;
    TkdProject& p = b.Bind();
    p.ApplyToControls();
    p.CollectFromControls();
    p.ApplyToControls();
    EXPECT_EQ(b.source.propertyQueries, 1);
    EXPECT_GT(b.source.Tag(), 0);
    p.UnbindControls();
    EXPECT_EQ(b.source.Tag(), -1);
    EXPECT_EQ(b.target.Tag(), -1);
}

TEST(Binding, PropListFindsPropertiesWithoutRegardToCase) {
    FakeControl edit{"eSource", FakeControl::Kind::Edit};
    TkdPropList props(edit);
    props.WriteProp("TEXT", "abc");
    EXPECT_EQ(edit.text, "abc");
    EXPECT_EQ(props.ReadProp("Text"), "abc");
    EXPECT_EQ(props.ReadProp("Nothing"), "");
    props.WriteProp("Nothing", "x");  // no such property: nothing happens

    FakeControl check{"cSubdir", FakeControl::Kind::Check};
    TkdPropList checkProps(check);
    checkProps.WriteProp("checked", "true");
    EXPECT_TRUE(check.checked);
    EXPECT_EQ(checkProps.ReadProp("Checked"), "True");
    checkProps.WriteProp("Checked", "yes");
    EXPECT_TRUE(check.checked);
}
