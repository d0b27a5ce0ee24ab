#include "ProjectJson.h"

#include <algorithm>
#include <array>
#include <limits>
#include <set>

#include "JsonField.h"

namespace lovaris {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::int64_t kI32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kI32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kU16Max = 0xFFFF;
constexpr std::int64_t kU8Max = 0xFF;
constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();
// The file's texts hold one character less than their field's bytes.
constexpr std::size_t kDescriptionChars = 81;
constexpr std::size_t kProfileCount = 20;

// Collection names in editor-kind order; also the window state names.
constexpr std::array<const char*, kEditorKinds> kKindNames = {"rooms", "subjects", "classes", "teachers", "lessons"};

// ---------------------------------------------------------------- lists

enum class Order { Any, Distinct, Ascending, NonDecreasing };

std::vector<std::int64_t> integerList(const JsonField& field, std::size_t maxCount, std::int64_t min,
                                      std::int64_t max, Order order) {
    std::vector<std::int64_t> values;
    for (const auto& element : field.elements(maxCount)) {
        const std::int64_t v = element.integer(min, max);
        if (!values.empty()) {
            if (order == Order::Ascending && v <= values.back()) element.refuse("expected values in ascending order");
            if (order == Order::NonDecreasing && v < values.back())
                element.refuse("expected values in non-decreasing order");
            if (order == Order::Distinct && std::find(values.begin(), values.end(), v) != values.end())
                element.refuse("the value " + std::to_string(v) + " is listed twice");
        }
        values.push_back(v);
    }
    return values;
}

template <typename T>
std::vector<T> narrowed(const std::vector<std::int64_t>& values) {
    return std::vector<T>(values.begin(), values.end());
}

template <typename T, std::size_t N>
std::array<T, N> fixedArray(const JsonField& field, std::int64_t min, std::int64_t max) {
    const auto values = integerList(field, N, min, max, Order::Any);
    if (values.size() != N) field.refuse("expected " + std::to_string(N) + " integers");
    std::array<T, N> out{};
    std::copy(values.begin(), values.end(), out.begin());
    return out;
}

// Whether reading the readable form back gives exactly the stored value; when it
// does not (odd stored data), export adds the raw form so that nothing is lost.
template <typename Parse, typename Stored>
bool reproduces(const Json& readable, Parse parse, const Stored& stored) {
    try {
        return parse(JsonField(readable, "")) == stored;
    } catch (const JsonFieldError&) {
        return false;
    }
}

// ---------------------------------------------------------------- busy tables

template <typename T>
Json busyToJson(const BusyTable<T>& table) {
    Json list = Json::array();
    for (int day = 1; day <= kDays; ++day)
        for (int lesson = 1; lesson <= kMaxLessonsPerDay; ++lesson) {
            const T value = table.at(day, lesson);
            if (value == 0) continue;
            Json slot = {{"day", day}, {"lesson", lesson}};
            if (value != 1) slot["value"] = value;
            list.push_back(std::move(slot));
        }
    return list;
}

template <typename T>
BusyTable<T> busyFromJson(const JsonField& field) {
    BusyTable<T> table;
    std::array<bool, kBusySlots> listed{};
    for (const auto& slot : field.elements(kBusySlots)) {
        slot.allowOnly({"day", "lesson", "value"});
        const auto day = static_cast<int>(slot.member("day").integer(1, kDays));
        const auto lesson = static_cast<int>(slot.member("lesson").integer(1, kMaxLessonsPerDay));
        const auto value = slot.optionalMember("value");
        const std::int64_t v =
            value ? value->integer(std::numeric_limits<T>::min(), std::numeric_limits<T>::max()) : 1;
        auto& seen = listed[static_cast<std::size_t>(busySlot(day, lesson) - 1)];
        if (seen)
            slot.refuse("day " + std::to_string(day) + ", lesson " + std::to_string(lesson) + " is listed twice");
        seen = true;
        table.set(day, lesson, static_cast<T>(v));
    }
    return table;
}

// ---------------------------------------------------------------- params

std::array<std::uint16_t, 25> shiftStartsFromList(const JsonField& field) {
    const auto list = integerList(field, ProjectParams::kMaxShiftStarts, 1, kMaxLessonsPerDay, Order::Ascending);
    if (list.empty()) field.refuse("expected at least one lesson number");
    std::array<std::uint16_t, 25> entries{};
    std::copy(list.begin(), list.end(), entries.begin());
    return entries;
}

Json paramsToJson(const ProjectParams& p) {
    Json j;
    j["description"] = p.description;
    j["lessonsPerDay"] = p.lessonsPerDay;
    j["shiftStarts"] = p.shiftStartList();
    j["classMinLessons"] = p.classMinLessons;
    j["teacherMinLessons"] = p.teacherMinLessons;
    Json states;
    for (int k = 0; k < kEditorKinds; ++k) states[kKindNames[k]] = p.windowStates[static_cast<std::size_t>(k)];
    j["windowStates"] = states;
    j["reservedWord"] = p.reservedWord;
    j["reservedFlag"] = p.reservedFlag;
    if (!reproduces(j["shiftStarts"], shiftStartsFromList, p.shiftStarts)) j["shiftStartsRaw"] = p.shiftStarts;
    return j;
}

ProjectParams paramsFromJson(const JsonField& f) {
    f.allowOnly({"description", "lessonsPerDay", "shiftStarts", "classMinLessons", "teacherMinLessons",
                 "windowStates", "reservedWord", "reservedFlag", "shiftStartsRaw"});
    ProjectParams p;
    p.description = f.member("description").text(kDescriptionChars);
    p.lessonsPerDay = static_cast<std::uint16_t>(f.member("lessonsPerDay").integer(1, kMaxLessonsPerDay));
    if (const auto raw = f.optionalMember("shiftStartsRaw"))
        p.shiftStarts = fixedArray<std::uint16_t, 25>(*raw, 0, kU16Max);
    else
        p.shiftStarts = shiftStartsFromList(f.member("shiftStarts"));
    p.classMinLessons = static_cast<std::uint16_t>(f.member("classMinLessons").integer(0, kU16Max));
    p.teacherMinLessons = static_cast<std::uint16_t>(f.member("teacherMinLessons").integer(0, kU16Max));
    if (const auto states = f.optionalMember("windowStates")) {
        states->allowOnly({"rooms", "subjects", "classes", "teachers", "lessons"});
        for (int k = 0; k < kEditorKinds; ++k)
            if (const auto s = states->optionalMember(kKindNames[k]))
                p.windowStates[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(s->integer(kI32Min, kI32Max));
    }
    if (const auto w = f.optionalMember("reservedWord")) p.reservedWord = static_cast<std::uint16_t>(w->integer(0, kU16Max));
    if (const auto b = f.optionalMember("reservedFlag")) p.reservedFlag = static_cast<std::uint8_t>(b->integer(0, kU8Max));
    return p;
}

// ---------------------------------------------------------------- records

std::int32_t i32(const JsonField& f, std::string_view name) {
    return static_cast<std::int32_t>(f.member(name).integer(kI32Min, kI32Max));
}
std::uint16_t u16(const JsonField& f, std::string_view name) {
    return static_cast<std::uint16_t>(f.member(name).integer(0, kU16Max));
}
std::uint8_t u8(const JsonField& f, std::string_view name) {
    return static_cast<std::uint8_t>(f.member(name).integer(0, kU8Max));
}
// References that the file keeps only when they are not negative.
std::vector<std::int32_t> idList(const JsonField& f, std::size_t maxCount) {
    return narrowed<std::int32_t>(integerList(f, maxCount, 0, kI32Max, Order::Distinct));
}

Json roomToJson(const TRoomItem& r) {
    return {{"id", r.id},         {"name", r.name},     {"seats", r.seats},          {"maxGroups", r.maxGroups},
            {"specialization", r.specialization}, {"generalUse", r.generalUse}, {"busy", busyToJson(r.busy)}};
}

TRoomItem roomFromJson(const JsonField& f) {
    f.allowOnly({"id", "name", "seats", "maxGroups", "specialization", "generalUse", "busy"});
    TRoomItem r;
    r.name = f.member("name").text(TRoomItem::kMaxName);
    r.seats = u16(f, "seats");
    r.maxGroups = u16(f, "maxGroups");
    r.specialization = u8(f, "specialization");
    r.generalUse = u8(f, "generalUse");
    r.busy = busyFromJson<std::uint8_t>(f.member("busy"));
    return r;
}

Json subjectToJson(const TSubjectItem& s) {
    return {{"id", s.id},
            {"name", s.name},
            {"sanitaryCoefficient", s.sanitaryCoefficient},
            {"specialization", s.specialization},
            {"generalUse", s.generalUse},
            {"wishedRooms", s.wishedRooms}};
}

TSubjectItem subjectFromJson(const JsonField& f) {
    f.allowOnly({"id", "name", "sanitaryCoefficient", "specialization", "generalUse", "wishedRooms"});
    TSubjectItem s;
    s.name = f.member("name").text(TSubjectItem::kMaxName);
    s.sanitaryCoefficient = u16(f, "sanitaryCoefficient");
    s.specialization = u8(f, "specialization");
    s.generalUse = u8(f, "generalUse");
    s.wishedRooms = idList(f.member("wishedRooms"), TSubjectItem::kMaxWishedRooms);
    return s;
}

using ProfileFlags = std::array<std::uint8_t, kProfileCount>;

ProfileFlags profileFlagsFromList(const JsonField& field) {
    ProfileFlags flags{};
    for (auto n : integerList(field, kProfileCount, 1, kProfileCount, Order::Distinct))
        flags[static_cast<std::size_t>(n - 1)] = 1;
    return flags;
}

Json klassToJson(const TKlassItem& k) {
    Json profiles = Json::array();
    for (std::size_t i = 0; i < kProfileCount; ++i)
        if (k.profileFlags[i] != 0) profiles.push_back(i + 1);
    Json j = {{"id", k.id}, {"name", k.name}, {"profiles", profiles}};
    if (!reproduces(profiles, profileFlagsFromList, k.profileFlags)) j["profileFlags"] = k.profileFlags;
    j["children"] = k.children;
    j["attachedRoom"] = k.attachedRoom;
    j["busy"] = busyToJson(k.busy);
    j["startingLessons"] = k.startingLessons;
    j["parallels"] = k.parallels;
    j["stage"] = k.stage;
    return j;
}

TKlassItem klassFromJson(const JsonField& f) {
    f.allowOnly({"id", "name", "profiles", "profileFlags", "children", "attachedRoom", "busy", "startingLessons",
                 "parallels", "stage"});
    TKlassItem k;
    k.name = f.member("name").text(TKlassItem::kMaxName);
    if (const auto raw = f.optionalMember("profileFlags"))
        k.profileFlags = fixedArray<std::uint8_t, kProfileCount>(*raw, 0, kU8Max);
    else
        k.profileFlags = profileFlagsFromList(f.member("profiles"));
    k.children = u16(f, "children");
    k.attachedRoom = i32(f, "attachedRoom");
    k.busy = busyFromJson<std::uint8_t>(f.member("busy"));
    k.startingLessons = narrowed<int>(integerList(f.member("startingLessons"), TKlassItem::kMaxStartingLessons, 1,
                                                  kMaxLessonsPerDay, Order::Ascending));
    k.parallels = idList(f.member("parallels"), TKlassItem::kMaxParallels);
    k.stage = i32(f, "stage");
    return k;
}

Json teacherToJson(const TTeacherItem& t) {
    return {{"id", t.id},           {"name", t.name},
            {"attachedRoom", t.attachedRoom}, {"freeDays", t.freeDays},
            {"plannedHours", t.plannedHours}, {"busy", busyToJson(t.busy)}};
}

TTeacherItem teacherFromJson(const JsonField& f) {
    f.allowOnly({"id", "name", "attachedRoom", "freeDays", "plannedHours", "busy"});
    TTeacherItem t;
    t.name = f.member("name").text(TTeacherItem::kMaxName);
    t.attachedRoom = i32(f, "attachedRoom");
    t.freeDays = i32(f, "freeDays");
    t.plannedHours = i32(f, "plannedHours");
    t.busy = busyFromJson<std::int16_t>(f.member("busy"));
    return t;
}

// ---------------------------------------------------------------- lessons

using HourEntries = std::array<std::uint16_t, TLessonItem::kHourEntries>;

// The readable lists of a lesson object: the spread from entry 1 up, the separated
// hours from entry 21 down, a 0 between them.
HourEntries hourEntriesFromLists(const JsonField& lesson) {
    const JsonField spreadField = lesson.member("spread");
    const JsonField separatedField = lesson.member("separatedHours");
    const auto spread =
        integerList(spreadField, TLessonItem::kMaxHourValues, 1, kU16Max, Order::NonDecreasing);
    const auto separated = integerList(separatedField, TLessonItem::kMaxHourValues, 1, kU16Max, Order::Any);
    if (!TLessonItem::hourListsFit(spread.size(), separated.size()))
        separatedField.refuse("spread and separatedHours together hold at most " +
                              std::to_string(TLessonItem::kMaxHourValues) + " values");
    HourEntries entries{};
    std::copy(spread.begin(), spread.end(), entries.begin());
    std::copy(separated.begin(), separated.end(), entries.rbegin());
    return entries;
}

Json linkToJson(const LessonLink& link) { return {{"lesson", link.lessonId}, {"subgroup", link.subgroup}}; }

Json subgroupToJson(const TLessonSubItem& s) {
    Json links = Json::array();
    for (const auto& link : s.links) links.push_back(linkToJson(link));
    return {{"subject", s.subject},
            {"teacher", s.teacher},
            {"children", s.children},
            {"links", links},
            {"fictiveRoom", s.fictiveRoom}};
}

TLessonSubItem subgroupFromJson(const JsonField& f) {
    f.allowOnly({"subject", "teacher", "children", "links", "fictiveRoom"});
    TLessonSubItem s;
    s.subject = i32(f, "subject");
    s.teacher = i32(f, "teacher");
    s.children = u16(f, "children");
    for (const auto& l : f.member("links").elements(TLessonSubItem::kMaxLinks)) {
        l.allowOnly({"lesson", "subgroup"});
        LessonLink link;
        link.lessonId = static_cast<std::int32_t>(l.member("lesson").integer(0, kI32Max));
        link.subgroup = i32(l, "subgroup");
        if (s.hasLinkTo(link.lessonId, link.subgroup)) l.refuse("the link is listed twice");
        s.links.push_back(link);
    }
    s.fictiveRoom = f.member("fictiveRoom").text(TLessonSubItem::kMaxFictiveRoom);
    return s;
}

Json lessonToJson(const TLessonItem& l) {
    Json j = {{"id", l.id}, {"klass", l.klass}, {"spread", l.spread()}, {"separatedHours", l.separatedHours()}};
    if (!reproduces(j, hourEntriesFromLists, l.hourEntries)) j["hourEntries"] = l.hourEntries;
    j["noAttachedRoom"] = l.noAttachedRoom != 0;
    j["busy"] = busyToJson(l.busy);
    Json subgroups = Json::array();
    for (const auto& s : l.subgroups) subgroups.push_back(subgroupToJson(s));
    j["subgroups"] = subgroups;
    return j;
}

TLessonItem lessonFromJson(const JsonField& f) {
    f.allowOnly({"id", "klass", "spread", "separatedHours", "hourEntries", "noAttachedRoom", "busy", "subgroups"});
    TLessonItem l;
    l.klass = i32(f, "klass");
    if (const auto raw = f.optionalMember("hourEntries"))
        l.hourEntries = fixedArray<std::uint16_t, TLessonItem::kHourEntries>(*raw, 0, kU16Max);
    else
        l.hourEntries = hourEntriesFromLists(f);
    l.noAttachedRoom = f.member("noAttachedRoom").boolean() ? 1 : 0;
    l.busy = busyFromJson<std::uint8_t>(f.member("busy"));
    const JsonField subgroups = f.member("subgroups");
    l.subgroups.clear();
    for (const auto& s : subgroups.elements(TLessonItem::kMaxSubgroups)) l.subgroups.push_back(subgroupFromJson(s));
    if (l.subgroups.empty()) subgroups.refuse("expected 1.." + std::to_string(TLessonItem::kMaxSubgroups) + " subgroups");
    return l;
}

// ---------------------------------------------------------------- collections

template <typename Item, typename ToJson>
Json collectionToJson(const RecordCollection<Item>& collection, ToJson toJson) {
    Json items = Json::array();
    for (const auto& item : collection) items.push_back(toJson(item));
    return {{"nextId", collection.nextId()}, {"items", items}};
}

template <typename Collection, typename FromJson>
Collection collectionFromJson(const JsonField& f, FromJson fromJson) {
    f.allowOnly({"nextId", "items"});
    Collection collection;
    std::set<std::int32_t> ids;
    for (const auto& element : f.member("items").elements(kAny)) {
        // The largest ID still leaves the collection one to hand out next.
        const JsonField idField = element.member("id");
        const auto id = static_cast<std::int32_t>(idField.integer(kI32Min, kI32Max - 1));
        auto item = fromJson(element);
        item.id = id;
        if (!ids.insert(id).second) idField.refuse("the ID " + std::to_string(id) + " is used twice");
        collection.append(std::move(item));
    }
    // IDs are never handed out twice: a lower nextId is raised above every ID held.
    std::int64_t nextId = collection.maxId() + 1;
    if (const auto given = f.optionalMember("nextId")) nextId = std::max(nextId, given->integer(kI32Min, kI32Max));
    collection.setNextId(static_cast<std::int32_t>(nextId));
    return collection;
}

Project projectFromJson(const JsonField& root) {
    root.allowOnly({"format", "version", "params", "rooms", "subjects", "classes", "teachers", "lessons"});
    const JsonField format = root.member("format");
    if (!format.value().is_string() || format.value().get<std::string>() != "lovaris-project")
        format.refuse("expected \"lovaris-project\"");
    root.member("version").integer(1, 1);

    Project p;
    p.params = paramsFromJson(root.member("params"));
    p.rooms = collectionFromJson<TRoomsCollection>(root.member("rooms"), roomFromJson);
    p.subjects = collectionFromJson<TSubjectsCollection>(root.member("subjects"), subjectFromJson);
    p.klasses = collectionFromJson<TKlassesCollection>(root.member("classes"), klassFromJson);
    p.teachers = collectionFromJson<TTeachersCollection>(root.member("teachers"), teacherFromJson);
    const JsonField lessons = root.member("lessons");
    p.lessons = collectionFromJson<TLessonsCollection>(lessons, lessonFromJson);

    // The file states the lessons section's size in a signed 32-bit value.
    std::size_t lessonBytes = 0;
    for (const auto& l : p.lessons) lessonBytes += l.fileSize();
    if (lessonBytes > static_cast<std::size_t>(kI32Max)) lessons.member("items").refuse("too many lessons for a project file");

    p.refreshSectionHeaders();
    return p;
}

}  // namespace

ProjectJsonDocument ProjectToJson(const Project& project) {
    Json j;
    j["format"] = "lovaris-project";
    j["version"] = 1;
    j["params"] = paramsToJson(project.params);
    j["rooms"] = collectionToJson(project.rooms, roomToJson);
    j["subjects"] = collectionToJson(project.subjects, subjectToJson);
    j["classes"] = collectionToJson(project.klasses, klassToJson);
    j["teachers"] = collectionToJson(project.teachers, teacherToJson);
    j["lessons"] = collectionToJson(project.lessons, lessonToJson);
    return j;
}

ProjectFromJsonResult ProjectFromJson(const nlohmann::ordered_json& document) {
    try {
        return {projectFromJson(JsonField(document, "")), {}};
    } catch (const JsonFieldError& e) {
        return {std::nullopt, e.what()};
    }
}

ProjectFromJsonResult ProjectFromJsonText(std::string_view text) {
    try {
        return ProjectFromJson(ParseJsonText(text));
    } catch (const JsonFieldError& e) {
        return {std::nullopt, e.what()};
    }
}

ProjectFromJsonResult ProjectFromJson(const nlohmann::json& document) {
    return ProjectFromJson(nlohmann::ordered_json::parse(document.dump()));
}

}  // namespace lovaris
