// The fields of a template's document string, read by index.
#include "afx/DocTemplate.h"

#include <gtest/gtest.h>

TEST(DocString, FieldsByIndexIncludingEmptyAndMissingOnes)
{
    const CString full("Title\n\nNew Name\nFiles (*.x)\n.x\nType.Id\nType Name");
    CString field;
    EXPECT_TRUE(CDocTemplate::ExtractDocString(full, CDocTemplate::windowTitle, field));
    EXPECT_STREQ("Title", field);
    // An empty field is present but empty: the template falls back to its own default.
    EXPECT_TRUE(CDocTemplate::ExtractDocString(full, CDocTemplate::docName, field));
    EXPECT_STREQ("", field);
    EXPECT_TRUE(CDocTemplate::ExtractDocString(full, CDocTemplate::filterExt, field));
    EXPECT_STREQ(".x", field);
    EXPECT_TRUE(CDocTemplate::ExtractDocString(full, CDocTemplate::regFileTypeName, field));
    EXPECT_STREQ("Type Name", field);
    // Past the last field: nothing, and no text of a neighbour.
    EXPECT_FALSE(CDocTemplate::ExtractDocString(full, CDocTemplate::regFileTypeName + 1, field));
    EXPECT_STREQ("", field);
    // A string of one field answers only the first.
    EXPECT_TRUE(CDocTemplate::ExtractDocString(CString("Only"), 0, field));
    EXPECT_STREQ("Only", field);
    EXPECT_FALSE(CDocTemplate::ExtractDocString(CString("Only"), 1, field));
}
