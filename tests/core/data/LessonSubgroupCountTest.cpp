#include <gtest/gtest.h>

#include "core/data/LessonSubgroupCount.h"

namespace lovaris {
namespace {

// Lesson 0 (two subgroups) is linked both ways with lesson 1; lesson 2 links to
// lesson 1 as well, and that link must survive.
class SubgroupCountLinks : public ::testing::Test {
protected:
    Project project;
    void SetUp() override {
        for (int i = 0; i < 3; ++i) project.lessons.add();
        project.lessons.at(0).setSubgroupCount(2);
        link(0, 1, 1, 0);
        link(2, 0, 1, 0);
    }
    void link(int a, int sa, int b, int sb) {
        subgroup(a, sa).addLink({project.lessons.at(b).id, sb});
        subgroup(b, sb).addLink({project.lessons.at(a).id, sa});
    }
    TLessonSubItem& subgroup(int position, int index) {
        return project.lessons.at(position).subgroups.at(static_cast<std::size_t>(index));
    }
};

TEST_F(SubgroupCountLinks, ReplacedSubgroupsAreLetGoByTheirPartners) {
    const auto change = ApplySubgroupCountToLesson(project, 0, "2");
    EXPECT_EQ(change.kind, LessonFieldChange::Kind::Changed);
    EXPECT_TRUE(subgroup(0, 1).links.empty());
    const std::vector<LessonLink> remaining{{project.lessons.at(2).id, 0}};
    EXPECT_EQ(subgroup(1, 0).links, remaining);
}

TEST_F(SubgroupCountLinks, ARefusedOrEmptyTextKeepsEveryLink) {
    for (const char* text : {"x", ""}) {
        ApplySubgroupCountToLesson(project, 0, text);
        EXPECT_EQ(subgroup(0, 1).links.size(), 1u) << text;
        EXPECT_EQ(subgroup(1, 0).links.size(), 2u) << text;
    }
}

}  // namespace
}  // namespace lovaris
