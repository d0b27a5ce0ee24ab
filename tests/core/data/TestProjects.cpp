#include "TestProjects.h"

#include "../support/ByteDamage.h"
#include "core/common/ByteReader.h"
#include "core/common/FileSignature.h"
#include "core/data/ProjectFile.h"

namespace lovaris::test {
namespace {

// Where the signature's minor version and the lessons' byte size sit in the header.
constexpr std::size_t kMinorVersionOffset = 16;
constexpr std::size_t kSectionsOffset = FileSignature::kSize + 164;
constexpr std::size_t kLessonsByteSizeOffset = kSectionsOffset + 4 * 8 + 8;


}  // namespace

Project MakeSmallProject() {
    Project p;
    p.params.description = "Школа № 1, 2024/25";
    p.params.lessonsPerDay = 7;
    p.params.shiftStarts = {1, 5};
    p.params.windowStates = {1, 3, 1, 6, 0};

    auto& room101 = p.rooms.add();
    room101.setName("101");
    room101.busy.set(1, 1, 1);
    p.rooms.add().setName("Удалённый");
    auto& gym = p.rooms.add();
    gym.setName("Спортзал");
    gym.seats = 60;
    gym.maxGroups = 2;
    gym.specialization = 3;
    gym.generalUse = 0;
    gym.busy.set(6, 24, 1);
    p.rooms.remove(1);  // IDs 0 and 2 stay, nextId 3

    auto& math = p.subjects.add();
    math.setName("Математика");
    math.sanitaryCoefficient = 10;
    math.insertWishedRoom(0, 0);
    auto& sport = p.subjects.add();
    sport.setName("Физкультура");
    sport.specialization = 3;
    sport.generalUse = 0;
    sport.insertWishedRoom(0, 2);
    sport.insertWishedRoom(1, 0);

    auto& a = p.klasses.add();
    a.setName("5А");
    a.attachedRoom = 0;
    a.insertStartingLesson(1);
    a.appendParallel(1);
    auto& b = p.klasses.add();
    b.setName("5Б");
    b.profileFlags[2] = 1;
    b.children = 24;
    b.insertStartingLesson(1);
    b.insertStartingLesson(2);
    b.appendParallel(0);
    b.stage = 0;
    b.busy.set(6, 1, 1);

    auto& ivanova = p.teachers.add();
    ivanova.setName("Иванова Анна Петровна");
    ivanova.freeDays = 1;
    ivanova.plannedHours = 9;
    ivanova.busy.set(1, 1, kTeacherWishHigh);
    ivanova.busy.set(2, 3, kTeacherWishMedium);
    ivanova.busy.set(3, 7, kTeacherWishLow);
    ivanova.busy.set(6, 1, kTeacherBusy);
    auto& petrov = p.teachers.add();
    petrov.setName("Петров И. С.");
    petrov.attachedRoom = 2;
    petrov.plannedHours = 6;

    // Two classes' sport subgroups taught together by one teacher.
    auto& split = p.lessons.add();
    split.klass = 0;
    split.setSpread({1, 2});
    split.setSubgroupCount(2);
    split.subgroups[0] = {1, 1, 12, {{1, 0}}, ""};
    split.subgroups[1] = {0, 0, 18, {}, ""};
    auto& partner = p.lessons.add();
    partner.klass = 1;
    partner.setSpread({1, 2});
    partner.setSubgroupCount(2);
    partner.subgroups[0] = {1, 1, 10, {{0, 0}}, ""};
    partner.subgroups[1] = {0, 0, 14, {}, ""};
    auto& separated = p.lessons.add();
    separated.klass = 0;
    separated.setSpread({1, 2, 2});
    separated.setSeparatedHours({2});
    separated.noAttachedRoom = 1;
    separated.busy.set(1, 1, 1);
    separated.subgroups[0].subject = 0;
    separated.subgroups[0].teacher = 0;
    separated.subgroups[0].setFictiveRoom("Актовый зал");

    p.refreshSectionHeaders();
    return p;
}

Project AsReloaded(const Project& project) {
    Project p = project;
    for (auto& x : p.rooms) x.name = x.displayName();
    for (auto& x : p.subjects) x.name = x.displayName();
    for (auto& x : p.klasses) x.name = x.displayName();
    for (auto& x : p.teachers) x.name = x.displayName();
    return p;
}

bool SurvivesSaveAndReload(const Project& loaded) {
    const auto reloaded = ParseProject(SerializeProject(loaded));
    return reloaded && *reloaded == AsReloaded(loaded);
}

Project AsStoredInVersion(const Project& project, int minorVersion) {
    Project p = project;
    if (minorVersion < 1)
        for (auto& k : p.klasses) k.stage = 1;
    if (minorVersion < 2)
        for (auto& t : p.teachers) t.plannedHours = 0;
    if (minorVersion < 3)
        for (auto& l : p.lessons) l.noAttachedRoom = 0;
    return p;
}

std::vector<std::uint8_t> DowngradeProjectFile(std::span<const std::uint8_t> current, int minorVersion) {
    ByteReader header(current);
    header.seek(kSectionsOffset);
    std::int32_t counts[kEditorKinds];
    for (auto& count : counts) {
        count = header.i32();
        header.skip(4);
    }
    if (header.failed() || current.size() < kProjectDataOffset) return {};

    std::vector<std::uint8_t> out(current.begin(), current.begin() + kProjectDataOffset);
    ByteReader r(current);
    r.seek(kProjectDataOffset);
    // Copies `keep` bytes of the next record and skips what the older version lacks.
    auto copyRecord = [&](std::size_t keep, std::size_t dropped) {
        auto b = r.bytes(keep);
        out.insert(out.end(), b.begin(), b.end());
        r.skip(dropped);
    };
    auto copySection = [&](int count, std::size_t size, std::size_t dropped) {
        for (int i = 0; i < count; ++i) copyRecord(size - dropped, dropped);
    };
    copySection(counts[0], TRoomItem::kRecordSize, 0);
    copySection(counts[1], TSubjectItem::kRecordSize, 0);
    copySection(counts[2], TKlassItem::kRecordSize, minorVersion < 1 ? 4 : 0);
    copySection(counts[3], TTeacherItem::kRecordSize, minorVersion < 2 ? 4 : 0);
    const std::size_t lessonsStart = out.size();
    for (int i = 0; i < counts[4] && !r.failed(); ++i) {
        ByteReader peek(current);
        peek.seek(r.position() + 4);
        const std::size_t subgroups = peek.u16();
        copyRecord(TLessonItem::kRecordSize - (minorVersion < 3 ? 4 : 0), minorVersion < 3 ? 4 : 0);
        copyRecord(subgroups * TLessonSubItem::kRecordSize, 0);
    }
    if (r.failed()) return {};
    PutI32(out, kLessonsByteSizeOffset, static_cast<std::uint32_t>(out.size() - lessonsStart));
    PutI32(out, kMinorVersionOffset, static_cast<std::uint32_t>(minorVersion));
    return out;
}

}  // namespace lovaris::test
