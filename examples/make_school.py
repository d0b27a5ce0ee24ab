#!/usr/bin/env python3
"""Writes the sample school, examples/school.json, in the project's JSON form.

A secondary school of 22 classes (1А..11Б) for the school year 2026/2027: its rooms,
subjects, classes with their weekly curriculum, and the teachers with what each of
them teaches. The build turns school.json into school.tbl with
`lovaris-cli import-json`; this script only needs to be run again after the tables
below are changed:

    python3 examples/make_school.py

Before writing, the script checks the school the way the program's data check does
(teachers' hours against their lessons, working days for every hour spread, pupils
of the subgroups, links between subgroups), so a change that would spoil the sample
stops here with a plain message.
"""

import json
import os
import sys

DESCRIPTION = "Средняя школа № 17, 2026/2027 учебный год"
LESSONS_PER_DAY = 8
DAYS = ["пн", "вт", "ср", "чт", "пт", "сб"]

# Room and subject specializations.
GENERAL, MATH, PHYSICS, CHEMISTRY, RUSSIAN, HISTORY, BIOLOGY, LANGUAGE, GEOGRAPHY = range(9)
INFORMATICS, SPORT, CRAFT_BOYS, CRAFT_GIRLS, ART, MUSIC = range(9, 15)
SOCIAL_STUDIES = 19

# Teacher busy values.
NOT_AVAILABLE, WISH_HIGH, WISH_MEDIUM, WISH_LOW = 1, 257, 513, 769

# ---------------------------------------------------------------------------
# Rooms: name, seats, specialization, strictly specialized, groups served at once.
ROOMS = [
    ("101", 28, GENERAL, False, 1),
    ("102", 28, GENERAL, False, 1),
    ("103", 30, GENERAL, False, 1),
    ("104", 30, GENERAL, False, 1),
    ("105", 30, GENERAL, False, 1),
    ("106", 30, GENERAL, False, 1),
    ("107", 30, GENERAL, False, 1),
    ("108", 30, GENERAL, False, 1),
    ("Кабинет математики 201", 30, MATH, False, 1),
    ("Кабинет математики 202", 30, MATH, False, 1),
    ("Кабинет русского языка 203", 30, RUSSIAN, False, 1),
    ("Кабинет литературы 204", 30, RUSSIAN, False, 1),
    ("Кабинет физики 205", 30, PHYSICS, True, 1),
    ("Кабинет химии 206", 30, CHEMISTRY, True, 1),
    ("Кабинет биологии 207", 30, BIOLOGY, False, 1),
    ("Кабинет истории 301", 30, HISTORY, False, 1),
    ("Кабинет географии 302", 30, GEOGRAPHY, False, 1),
    ("Кабинет ин. языка 303", 16, LANGUAGE, False, 1),
    ("Кабинет ин. языка 304", 16, LANGUAGE, False, 1),
    ("Кабинет информатики 305", 15, INFORMATICS, True, 1),
    ("Кабинет информатики 306", 15, INFORMATICS, True, 1),
    ("Кабинет музыки 307", 30, MUSIC, False, 1),
    ("Спортзал", 60, SPORT, True, 2),
    ("Мастерская 001", 16, CRAFT_BOYS, True, 1),
    ("Кабинет технологии 002", 16, CRAFT_GIRLS, True, 1),
    ("Кабинет математики 208", 30, MATH, False, 1),
    ("Кабинет русского языка 209", 30, RUSSIAN, False, 1),
    ("Кабинет обществознания 308", 30, SOCIAL_STUDIES, False, 1),
    ("Кабинет ин. языка 309", 16, LANGUAGE, False, 1),
    ("Кабинет ин. языка 310", 16, LANGUAGE, False, 1),
    ("Малый спортзал", 30, SPORT, True, 1),
]

# ---------------------------------------------------------------------------
# Subjects: name, difficulty coefficient, specialization, strictly specialized,
# recommended rooms (most preferred first).
RU, LIT = "Русский язык", "Литература"
READING, WORLD = "Литературное чтение", "Окружающий мир"
MATHS, ALG, GEOM, STAT = "Математика", "Алгебра", "Геометрия", "Вероятность и статистика"
INF, ENG = "Информатика", "Иностранный язык (английский)"
HIST, SOC = "История", "Обществознание"
ODNKNR = "Основы духовно-нравственной культуры народов России"
ORKSE = "Основы религиозных культур и светской этики"
GEO, BIO, PHYS, CHEM = "География", "Биология", "Физика", "Химия"
MUS, ARTS = "Музыка", "Изобразительное искусство"
CRAFT, CRAFT_B, CRAFT_G = "Труд (технология)", "Труд (технология), мал.", "Труд (технология), дев."
PE, OBZR, PROJECT = "Физическая культура", "Основы безопасности и защиты Родины", "Индивидуальный проект"

SUBJECTS = [
    (RU, 10, RUSSIAN, False, ["Кабинет русского языка 203", "Кабинет литературы 204"]),
    (LIT, 7, RUSSIAN, False, ["Кабинет литературы 204", "Кабинет русского языка 203"]),
    (READING, 5, GENERAL, False, []),
    (WORLD, 6, GENERAL, False, []),
    (MATHS, 10, MATH, False, ["Кабинет математики 201", "Кабинет математики 202"]),
    (ALG, 10, MATH, False, ["Кабинет математики 201", "Кабинет математики 202"]),
    (GEOM, 11, MATH, False, ["Кабинет математики 202", "Кабинет математики 201"]),
    (STAT, 8, MATH, False, ["Кабинет математики 202", "Кабинет математики 201"]),
    (INF, 7, INFORMATICS, True, ["Кабинет информатики 305", "Кабинет информатики 306"]),
    (ENG, 10, LANGUAGE, False, ["Кабинет ин. языка 303", "Кабинет ин. языка 304"]),
    (HIST, 8, HISTORY, False, ["Кабинет истории 301"]),
    (SOC, 6, SOCIAL_STUDIES, False, ["Кабинет истории 301"]),
    (ODNKNR, 5, GENERAL, False, ["Кабинет истории 301"]),
    (ORKSE, 4, GENERAL, False, []),
    (GEO, 6, GEOGRAPHY, False, ["Кабинет географии 302"]),
    (BIO, 7, BIOLOGY, False, ["Кабинет биологии 207"]),
    (PHYS, 12, PHYSICS, True, ["Кабинет физики 205"]),
    (CHEM, 11, CHEMISTRY, True, ["Кабинет химии 206"]),
    (MUS, 2, MUSIC, False, ["Кабинет музыки 307"]),
    (ARTS, 3, GENERAL, False, ["Кабинет музыки 307"]),
    (CRAFT, 4, GENERAL, False, []),
    (CRAFT_B, 4, CRAFT_BOYS, True, ["Мастерская 001"]),
    (CRAFT_G, 4, CRAFT_GIRLS, True, ["Кабинет технологии 002"]),
    (PE, 3, SPORT, True, ["Спортзал"]),
    (OBZR, 4, GENERAL, False, []),
    (PROJECT, 5, GENERAL, False, []),
]

# ---------------------------------------------------------------------------
# Classes: name, pupils, of them boys, attached room, lessons the day may begin with.
# The grade is the number in the name; grades 1-4 form the junior stage, 5-9 the
# middle stage, 10-11 the senior stage. Classes of one grade are parallels.
CLASSES = [
    ("1А", 27, 13, "101", [1]),
    ("1Б", 26, 14, "102", [1]),
    ("2А", 28, 15, "103", [1]),
    ("2Б", 25, 12, "104", [1]),
    ("3А", 27, 14, "105", [1]),
    ("3Б", 26, 13, "106", [1]),
    ("4А", 28, 14, "107", [1]),
    ("4Б", 24, 11, "108", [1]),
    ("5А", 29, 15, None, [1]),
    ("5Б", 27, 13, None, [1]),
    ("6А", 28, 14, None, [1]),
    ("6Б", 26, 12, None, [1]),
    ("7А", 27, 13, None, [1]),
    ("7Б", 28, 15, None, [1]),
    ("8А", 25, 12, None, [1]),
    ("8Б", 26, 14, None, [1]),
    ("9А", 27, 13, None, [1]),
    ("9Б", 24, 11, None, [1, 2]),
    ("10А", 25, 11, None, [1]),
    ("10Б", 22, 10, None, [1]),
    ("11А", 24, 12, None, [1]),
    ("11Б", 23, 10, None, [1, 2]),
]

# Junior classes learn five days a week: Saturday is closed, and so are the lessons
# after the 5th (1st grade) or the 6th (grades 2-4).
JUNIOR_LAST_LESSON = {1: 5, 2: 6, 3: 6, 4: 6}

# ---------------------------------------------------------------------------
# Weekly curriculum per grade: subject(s), hour spread, how the class is divided,
# separated hours. Subgroups: WHOLE (one group), HALVES (two groups by list, e.g.
# foreign language, informatics), GENDER (boys first, then girls). For GENDER with
# two subjects, "A/B" names the boys' and the girls' subject.
WHOLE, HALVES, GENDER = "whole", "halves", "gender"
CRAFT_SPLIT = CRAFT_B + "/" + CRAFT_G

JUNIOR_CORE = [
    (RU, "1,1,1,1,1", WHOLE),
    (READING, "1,1,1,1", WHOLE),
    (MATHS, "1,1,1,1", WHOLE),
    (WORLD, "1,1", WHOLE),
    (MUS, "1", WHOLE),
    (ARTS, "1", WHOLE),
    (CRAFT, "1", WHOLE),
    (PE, "1,1", WHOLE),
]

CURRICULUM = {
    1: JUNIOR_CORE,
    2: JUNIOR_CORE + [(ENG, "1,1", HALVES)],
    3: JUNIOR_CORE + [(ENG, "1,1", HALVES)],
    4: JUNIOR_CORE + [(ENG, "1,1", HALVES), (ORKSE, "1", WHOLE)],
    5: [
        (RU, "1,1,1,1,1", WHOLE), (LIT, "1,1,1", WHOLE), (ENG, "1,1,1", HALVES),
        (MATHS, "1,1,1,1,1", WHOLE), (HIST, "1,1", WHOLE), (ODNKNR, "1", WHOLE),
        (GEO, "1", WHOLE), (BIO, "1", WHOLE), (MUS, "1", WHOLE), (ARTS, "1", WHOLE),
        (CRAFT_SPLIT, "2", GENDER), (PE, "1,1,1", WHOLE),
    ],
    6: [
        (RU, "1,1,1,1,1,1", WHOLE), (LIT, "1,1,1", WHOLE), (ENG, "1,1,1", HALVES),
        (MATHS, "1,1,1,1,1", WHOLE), (HIST, "1,1", WHOLE), (SOC, "1", WHOLE),
        (ODNKNR, "1", WHOLE), (GEO, "1", WHOLE), (BIO, "1", WHOLE), (MUS, "1", WHOLE),
        (ARTS, "1", WHOLE), (CRAFT_SPLIT, "2", GENDER), (PE, "1,1,1", WHOLE),
    ],
    7: [
        (RU, "1,1,1,1", WHOLE), (LIT, "1,1", WHOLE), (ENG, "1,1,1", HALVES),
        (ALG, "1,1,1", WHOLE), (GEOM, "1,1", WHOLE), (STAT, "1", WHOLE),
        (INF, "1", HALVES), (HIST, "1,1", WHOLE), (SOC, "1", WHOLE), (GEO, "1,1", WHOLE),
        (BIO, "1", WHOLE), (PHYS, "1,1", WHOLE), (MUS, "1", WHOLE), (ARTS, "1", WHOLE),
        (CRAFT_SPLIT, "2", GENDER), (PE, "1,1,1", WHOLE),
    ],
    8: [
        (RU, "1,1,1", WHOLE), (LIT, "1,1", WHOLE), (ENG, "1,1,1", HALVES),
        (ALG, "1,1,1", WHOLE), (GEOM, "1,1", WHOLE), (STAT, "1", WHOLE),
        (INF, "1", HALVES), (HIST, "1,1", WHOLE), (SOC, "1", WHOLE), (GEO, "1,1", WHOLE),
        (BIO, "1,1", WHOLE), (PHYS, "1,1", WHOLE), (CHEM, "1,1", WHOLE), (MUS, "1", WHOLE),
        (CRAFT_SPLIT, "1", GENDER), (OBZR, "1", WHOLE), (PE, "1,1,1", WHOLE),
    ],
    9: [
        (RU, "1,1,1", WHOLE), (LIT, "1,1,1", WHOLE), (ENG, "1,1,1", HALVES),
        (ALG, "1,1,1", WHOLE), (GEOM, "1,1", WHOLE), (STAT, "1", WHOLE),
        (INF, "1", HALVES), (HIST, "1,1", WHOLE), (SOC, "1", WHOLE), (GEO, "1,1", WHOLE),
        (BIO, "1,1", WHOLE), (PHYS, "1,2", WHOLE, "2"), (CHEM, "1,1", WHOLE),
        (CRAFT_SPLIT, "1", GENDER), (OBZR, "1", WHOLE), (PE, "1,1", WHOLE),
    ],
}
CURRICULUM[10] = CURRICULUM[11] = [
    (RU, "1,1", WHOLE), (LIT, "1,1,1", WHOLE), (ENG, "1,1,1", HALVES),
    (ALG, "1,1,2", WHOLE, "2"), (GEOM, "1,1,1", WHOLE), (STAT, "1", WHOLE),
    (INF, "2", HALVES), (HIST, "1,1", WHOLE), (SOC, "1,1", WHOLE), (GEO, "1", WHOLE),
    (BIO, "1,1", WHOLE), (PHYS, "1,1", WHOLE), (CHEM, "1,1", WHOLE),
    (PE, "1,1", GENDER), (OBZR, "1", WHOLE), (PROJECT, "1", WHOLE),
]

# Subgroups of parallel classes taught together: boys' and girls' physical
# education of the senior classes.
TAUGHT_TOGETHER = [(PE, "10А", "10Б"), (PE, "11А", "11Б")]

# Lessons not held in the class's own room (junior classes go to the language
# rooms, the music room and the gym).
AWAY_FROM_CLASS_ROOM = {ENG, MUS, PE}

# ---------------------------------------------------------------------------
# Teachers: full name, what they teach, methodical (free) days, attached room,
# wishes. "Subject: classes" gives a whole class; "Subject [n]: classes" the n-th
# subgroup (foreign language and informatics: group n; physical education of the
# senior classes: 1 boys, 2 girls). Several subjects may share one entry:
# "Русский язык, Литература: 5А 5Б". Wishes are (value, days, lessons).
JUNIOR_TEACHES = RU + ", " + READING + ", " + MATHS + ", " + WORLD + ", " + ARTS + ", " + CRAFT


def teacher(name, teaches, free=1, room=None, wishes=()):
    return {"name": name, "teaches": teaches, "free": free, "room": room, "wishes": wishes}


TEACHERS = [
    # Junior stage: each class has its own teacher.
    teacher("Смирнова Елена Викторовна", [JUNIOR_TEACHES + ": 1А"], room="101",
            wishes=[(WISH_LOW, "пт", "5")]),
    teacher("Кузнецова Наталья Александровна", [JUNIOR_TEACHES + ": 1Б"], room="102"),
    teacher("Попова Ирина Николаевна", [JUNIOR_TEACHES + ": 2А"], room="103"),
    teacher("Васильева Татьяна Сергеевна", [JUNIOR_TEACHES + ": 2Б"], room="104",
            wishes=[(WISH_MEDIUM, "ср", "6")]),
    teacher("Соколова Марина Владимировна", [JUNIOR_TEACHES + ": 3А"], room="105"),
    teacher("Михайлова Светлана Юрьевна", [JUNIOR_TEACHES + ": 3Б"], room="106"),
    teacher("Новикова Людмила Ивановна", [JUNIOR_TEACHES + ", " + ORKSE + ": 4А"], room="107"),
    teacher("Фёдорова Галина Михайловна", [JUNIOR_TEACHES + ", " + ORKSE + ": 4Б"], room="108",
            wishes=[(WISH_HIGH, "пн", "6")]),
    # Russian language and literature.
    teacher("Морозова Анна Геннадьевна", [RU + ", " + LIT + ": 5А 5Б"],
            room="Кабинет русского языка 203",
            wishes=[(WISH_HIGH, "пн", "1"), (WISH_MEDIUM, "сб", "6-8")]),
    teacher("Волкова Ольга Дмитриевна", [RU + ", " + LIT + ": 6А 6Б"], free=0,
            room="Кабинет литературы 204"),
    teacher("Алексеева Надежда Павловна", [RU + ", " + LIT + ": 7А 7Б 8А"],
            room="Кабинет русского языка 203"),
    teacher("Лебедева Юлия Андреевна", [RU + ", " + LIT + ": 8Б 9А 10А", ODNKNR + ": 5А 5Б 6А 6Б"],
            room="Кабинет литературы 204", wishes=[(WISH_LOW, "сб", "1-8")]),
    teacher("Семёнова Вера Константиновна", [RU + ", " + LIT + ": 9Б 10Б 11А 11Б"], free=2),
    # Mathematics.
    teacher("Егоров Сергей Викторович", [ALG + ", " + GEOM + ", " + STAT + ": 10А 10Б 11А"],
            room="Кабинет математики 201",
            wishes=[(WISH_HIGH, "ср", "1"), (WISH_MEDIUM, "пт", "7-8")]),
    teacher("Павлова Елена Анатольевна", [MATHS + ": 5А 5Б 6А 6Б"], room="Кабинет математики 201"),
    teacher("Козлова Татьяна Васильевна", [ALG + ", " + GEOM + ", " + STAT + ": 7А 7Б 8А"],
            room="Кабинет математики 202"),
    teacher("Степанова Марина Игоревна", [ALG + ", " + GEOM + ", " + STAT + ": 8Б 9А 9Б"],
            room="Кабинет математики 202", wishes=[(WISH_LOW, "вт", "8")]),
    # The deputy head: administrative meetings on Monday morning.
    teacher("Николаев Андрей Петрович", [ALG + ", " + GEOM + ", " + STAT + ": 11Б"], free=2,
            wishes=[(NOT_AVAILABLE, "пн", "1-3")]),
    # Foreign language: the two groups of a class have different teachers.
    teacher("Орлова Екатерина Сергеевна", [ENG + " [1]: 2А 2Б 3А 3Б 4А 4Б 5А 5Б"],
            room="Кабинет ин. языка 303"),
    teacher("Андреева Анастасия Олеговна", [ENG + " [2]: 2А 2Б 3А 3Б 4А 4Б 5А 5Б"],
            room="Кабинет ин. языка 304", wishes=[(WISH_MEDIUM, "чт", "1-2")]),
    teacher("Макарова Дарья Алексеевна", [ENG + " [1]: 6А 6Б 7А 7Б 8А 8Б"]),
    teacher("Захарова Ксения Владимировна", [ENG + " [2]: 6А 6Б 7А 7Б 8А 8Б"], free=2),
    teacher("Зайцева Алина Романовна", [ENG + " [1]: 9А 9Б 10А 10Б 11А 11Б"]),
    teacher("Соловьёва Мария Евгеньевна", [ENG + " [2]: 9А 9Б 10А 10Б 11А 11Б"],
            wishes=[(WISH_HIGH, "сб", "5-8")]),
    # History and social studies.
    teacher("Борисов Дмитрий Николаевич", [HIST + ", " + SOC + ": 8А 8Б 9А 9Б 10А 10Б"],
            room="Кабинет истории 301"),
    teacher("Яковлева Людмила Борисовна", [HIST + ": 5А 5Б", HIST + ", " + SOC + ": 6А 6Б 7А 7Б 11А 11Б"],
            room="Кабинет истории 301", wishes=[(WISH_MEDIUM, "пт", "6-8")]),
    # Natural sciences.
    teacher("Григорьева Валентина Фёдоровна", [GEO + ": 5А 5Б 6А 6Б 7А 7Б 8А 8Б 9А 9Б 10А 10Б 11А 11Б"],
            free=2, room="Кабинет географии 302"),
    teacher("Романова Оксана Викторовна",
            [BIO + ": 5А 5Б 6А 6Б 7А 7Б 8А 8Б 9А 9Б 10А 10Б 11А 11Б", PROJECT + ": 11А 11Б"],
            room="Кабинет биологии 207"),
    teacher("Сергеев Павел Александрович", [PHYS + ": 7А 7Б 8А 8Б 9А 9Б 10А 10Б 11А 11Б"],
            room="Кабинет физики 205", wishes=[(WISH_LOW, "вт", "8"), (WISH_LOW, "чт", "8")]),
    teacher("Воробьёва Лариса Геннадьевна", [CHEM + ": 8А 8Б 9А 9Б 10А 10Б 11А 11Б", PROJECT + ": 10А 10Б"],
            room="Кабинет химии 206"),
    # Informatics: groups 1 and 2 in the two computer rooms.
    teacher("Кириллов Максим Олегович", [INF + " [1]: 7А 7Б 8А 8Б 9А 9Б 10А 10Б 11А 11Б"], free=2,
            room="Кабинет информатики 305"),
    teacher("Тарасова Евгения Викторовна", [INF + " [2]: 7А 7Б 8А 8Б 9А 9Б 10А 10Б 11А 11Б"],
            room="Кабинет информатики 306"),
    # Physical education; the three share the gym.
    teacher("Медведев Алексей Сергеевич", [PE + ": 1А 1Б 2А 2Б 3А 3Б 4А 4Б"], room="Спортзал"),
    teacher("Белов Игорь Васильевич", [PE + ": 7А 7Б 8А 8Б 9А 9Б", PE + " [1]: 10А 10Б 11А 11Б"],
            room="Спортзал", wishes=[(WISH_HIGH, "пн", "1"), (WISH_LOW, "сб", "7-8")]),
    teacher("Комарова Юлия Николаевна", [PE + ": 5А 5Б 6А 6Б", PE + " [2]: 10А 10Б 11А 11Б"],
            room="Спортзал"),
    # Arts, crafts, safety.
    teacher("Антонова Ирина Валерьевна", [MUS + ": 1А 1Б 2А 2Б 3А 3Б 4А 4Б 5А 5Б 6А 6Б 7А 7Б 8А 8Б"],
            room="Кабинет музыки 307", wishes=[(WISH_MEDIUM, "сб", "1-8")]),
    teacher("Жуков Виктор Иванович", [CRAFT_B + ": 5А 5Б 6А 6Б 7А 7Б 8А 8Б 9А 9Б"], room="Мастерская 001"),
    teacher("Киселёва Нина Петровна", [CRAFT_G + ": 5А 5Б 6А 6Б 7А 7Б 8А 8Б 9А 9Б", ARTS + ": 5А 5Б 6А 6Б 7А 7Б"],
            room="Кабинет технологии 002"),
    # Part-time: teaches on Monday to Wednesday and Saturday.
    teacher("Ильин Геннадий Михайлович", [OBZR + ": 8А 8Б 9А 9Б 10А 10Б 11А 11Б"], free=2,
            wishes=[(NOT_AVAILABLE, "чт пт", "1-8")]),
]


# ---------------------------------------------------------------------------
# Building the project.

class SchoolError(Exception):
    pass


def need(condition, message):
    if not condition:
        raise SchoolError(message)


def numbers(text):
    """'1,1,2' -> [1, 1, 2]; '' -> []"""
    return [int(part) for part in text.split(",") if part.strip()]


def lesson_range(text):
    """'6-8' -> [6, 7, 8]; '5' -> [5]"""
    first, _, last = text.partition("-")
    return list(range(int(first), int(last or first) + 1))


def grade_of(class_name):
    return int(class_name.rstrip("АБВГ"))


def stage_of(grade):
    return 0 if grade <= 4 else 1 if grade <= 9 else 2


def busy_list(slots):
    """slots: {(day, lesson): value} -> the JSON busy list in slot order."""
    items = []
    for (day, lesson), value in sorted(slots.items()):
        item = {"day": day, "lesson": lesson}
        if value != NOT_AVAILABLE:
            item["value"] = value
        items.append(item)
    return items


def parse_teaching(entry):
    """'Алгебра, Геометрия [2]: 7А 7Б' -> ([Алгебра, Геометрия], 2, [7А, 7Б]); group 0: whole lesson."""
    subjects_text, _, classes_text = entry.rpartition(": ")
    group = 0
    if subjects_text.endswith("]"):
        subjects_text, _, group_text = subjects_text[:-1].rpartition(" [")
        group = int(group_text)
    # Subject names may hold ", " themselves ("Труд (технология), мал."), so split
    # only where what follows is a known subject name.
    subjects, rest = [], subjects_text
    known = sorted((s[0] for s in SUBJECTS), key=len, reverse=True)
    while rest:
        match = next((name for name in known if rest.startswith(name)), None)
        need(match is not None, f"unknown subject in '{entry}'")
        subjects.append(match)
        rest = rest[len(match):]
        need(rest == "" or rest.startswith(", "), f"cannot read '{entry}'")
        rest = rest[2:]
    return subjects, group, classes_text.split()


def build():
    room_id = {name: i for i, (name, *_rest) in enumerate(ROOMS)}
    subject_id = {s[0]: i for i, s in enumerate(SUBJECTS)}
    class_id = {c[0]: i for i, c in enumerate(CLASSES)}
    teacher_id = {t["name"]: i for i, t in enumerate(TEACHERS)}
    need(len(room_id) == len(ROOMS) and len(subject_id) == len(SUBJECTS)
         and len(class_id) == len(CLASSES) and len(teacher_id) == len(TEACHERS), "duplicate name")

    rooms = [{
        "id": i, "name": name, "seats": seats, "maxGroups": groups,
        "specialization": specialization, "generalUse": 0 if strict else 1, "busy": [],
    } for i, (name, seats, specialization, strict, groups) in enumerate(ROOMS)]

    subjects = [{
        "id": i, "name": name, "sanitaryCoefficient": coefficient,
        "specialization": specialization, "generalUse": 0 if strict else 1,
        "wishedRooms": [room_id[r] for r in wished],
    } for i, (name, coefficient, specialization, strict, wished) in enumerate(SUBJECTS)]

    classes = []
    class_busy = {}
    for i, (name, pupils, boys, room, starts) in enumerate(CLASSES):
        grade = grade_of(name)
        slots = {}
        if grade in JUNIOR_LAST_LESSON:
            for day in range(1, 7):
                first_closed = 1 if day == 6 else JUNIOR_LAST_LESSON[grade] + 1
                for lesson in range(first_closed, LESSONS_PER_DAY + 1):
                    slots[(day, lesson)] = NOT_AVAILABLE
        class_busy[name] = slots
        classes.append({
            "id": i, "name": name, "profiles": [], "children": pupils,
            "attachedRoom": room_id[room] if room else -1,
            "busy": busy_list(slots), "startingLessons": starts,
            "parallels": [class_id[c[0]] for c in CLASSES
                          if grade_of(c[0]) == grade and c[0] != name],
            "stage": stage_of(grade),
        })

    # Who teaches what: (class, subject, group) -> teacher.
    assigned = {}
    for t in TEACHERS:
        for entry in t["teaches"]:
            subject_names, group, class_names = parse_teaching(entry)
            for class_name in class_names:
                need(class_name in class_id, f"{t['name']}: unknown class {class_name}")
                for subject in subject_names:
                    key = (class_name, subject, group)
                    need(key not in assigned, f"{key} is taught twice")
                    assigned[key] = teacher_id[t["name"]]

    lessons = []
    lesson_of = {}  # (class, subject) -> lesson
    for name, pupils, boys, room, starts in CLASSES:
        grade = grade_of(name)
        for line in CURRICULUM[grade]:
            subjects_text, spread_text, division = line[:3]
            separated = numbers(line[3]) if len(line) > 3 else []
            if division == WHOLE:
                groups = [(subjects_text, 0, pupils)]
            elif division == HALVES:
                groups = [(subjects_text, 1, pupils - pupils // 2), (subjects_text, 2, pupils // 2)]
            else:
                boys_subject, _, girls_subject = subjects_text.partition("/")
                if girls_subject:  # a subject of its own for each group: whole subgroups
                    groups = [(boys_subject, 0, boys), (girls_subject, 0, pupils - boys)]
                else:
                    groups = [(boys_subject, 1, boys), (boys_subject, 2, pupils - boys)]
            subgroups = []
            for subject, group, children in groups:
                key = (name, subject, group)
                need(key in assigned, f"nobody teaches {key}")
                subgroups.append({
                    "subject": subject_id[subject], "teacher": assigned.pop(key),
                    "children": children, "links": [], "fictiveRoom": "",
                })
            lesson = {
                "id": len(lessons), "klass": class_id[name],
                "spread": numbers(spread_text), "separatedHours": separated,
                "noAttachedRoom": grade <= 4 and subjects_text in AWAY_FROM_CLASS_ROOM,
                "busy": [], "subgroups": subgroups,
            }
            lesson_of[(name, subjects_text)] = lesson
            lessons.append(lesson)
    need(not assigned, f"taught but not in the curriculum: {sorted(assigned)}")

    for subject, first, second in TAUGHT_TOGETHER:
        a, b = lesson_of[(first, subject)], lesson_of[(second, subject)]
        for k in range(len(a["subgroups"])):
            a["subgroups"][k]["links"].append({"lesson": b["id"], "subgroup": k})
            b["subgroups"][k]["links"].append({"lesson": a["id"], "subgroup": k})

    teachers = []
    for i, t in enumerate(TEACHERS):
        slots = {}
        for value, days, lesson_text in t["wishes"]:
            for day in days.split():
                for lesson in lesson_range(lesson_text):
                    slots[(DAYS.index(day) + 1, lesson)] = value
        teachers.append({
            "id": i, "name": t["name"],
            "attachedRoom": room_id[t["room"]] if t["room"] else -1,
            "freeDays": t["free"], "plannedHours": 0, "busy": busy_list(slots),
            "_slots": slots,
        })
    for t, hours in zip(teachers, counted_hours(lessons, len(teachers))):
        t["plannedHours"] = hours

    check(rooms, subjects, classes, class_busy, teachers, lessons)
    for t in teachers:
        del t["_slots"]

    return {
        "format": "lovaris-project",
        "version": 1,
        "params": {
            "description": DESCRIPTION,
            "lessonsPerDay": LESSONS_PER_DAY,
            "shiftStarts": [1],
            "classMinLessons": 4,
            "teacherMinLessons": 2,
        },
        "rooms": {"nextId": len(rooms), "items": rooms},
        "subjects": {"nextId": len(subjects), "items": subjects},
        "classes": {"nextId": len(classes), "items": classes},
        "teachers": {"nextId": len(teachers), "items": teachers},
        "lessons": {"nextId": len(lessons), "items": lessons},
    }


def counted_hours(lessons, teacher_count):
    """A teacher's weekly hours: every subgroup taught counts its lesson's hours once;
    subgroups taught together count at the lesson with the smallest ID."""
    hours = [0] * teacher_count
    for lesson in lessons:
        for sub in lesson["subgroups"]:
            if not any(link["lesson"] < lesson["id"] for link in sub["links"]):
                hours[sub["teacher"]] += sum(lesson["spread"])
    return hours


# ---------------------------------------------------------------------------
# The school must open in the program without a single finding of the data check,
# and a timetable must be possible in principle.

def required_days(lesson):
    n, m = len(lesson["spread"]), len(lesson["separatedHours"])
    return max(n - m, m)


def teacher_days_and_hours(t):
    """Working days (capped by the free days) and available hours after the free days."""
    per_day = []
    for day in range(1, 7):
        count = 0
        for lesson in range(1, LESSONS_PER_DAY + 1):
            value = t["_slots"].get((day, lesson), 0)
            if value & 0xFF == 0 or value >> 8 != 0:
                count += 1
        per_day.append(count)
    days = min(sum(1 for c in per_day if c > 0), 6 - t["freeDays"])
    total = sum(per_day)
    for _ in range(t["freeDays"]):
        smallest = min(range(6), key=lambda d: (per_day[d], d))
        total -= per_day[smallest]
        per_day[smallest] = LESSONS_PER_DAY + 1
    return days, total


def check(rooms, subjects, classes, class_busy, teachers, lessons):
    for r in rooms:
        need(0 < len(r["name"]) <= 31 and r["seats"] > 0, f"room {r['name']}")
        need(r["specialization"] != 0 or r["generalUse"] == 1, f"room {r['name']}: general but strict")
    for s in subjects:
        need(0 < len(s["name"]) <= 63 and 0 < s["sanitaryCoefficient"] <= 20, f"subject {s['name']}")
        need(s["specialization"] != 0 or s["generalUse"] == 1, f"subject {s['name']}: general but strict")
    need(len(DESCRIPTION) <= 80, "description too long")

    class_by_id = {c["id"]: c for c in classes}
    for c in classes:
        need(0 < len(c["name"]) <= 31 and c["children"] > 0 and c["startingLessons"], f"class {c['name']}")
    for t in teachers:
        need(0 < len(t["name"]) <= 127, f"teacher {t['name']}")

    def class_free_slots(c):
        closed = class_busy[c["name"]]
        return [[lesson for lesson in range(1, LESSONS_PER_DAY + 1) if (day, lesson) not in closed]
                for day in range(1, 7)]

    weekly = {c["id"]: 0 for c in classes}
    by_id = {lesson["id"]: lesson for lesson in lessons}
    for lesson in lessons:
        c = class_by_id[lesson["klass"]]
        title = f"{c['name']}, {'/'.join(subjects[s['subject']]['name'] for s in lesson['subgroups'])}"
        spread, separated = lesson["spread"], lesson["separatedHours"]
        need(spread and spread == sorted(spread) and len(spread) + len(separated) <= 20, f"{title}: spread")
        need(all(v in spread for v in separated), f"{title}: separated hours not in the spread")
        class_days = sum(1 for day in class_free_slots(c) if day)
        need(required_days(lesson) <= class_days, f"{title}: not enough class days")
        need(max(spread) <= min(len(day) for day in class_free_slots(c) if day), f"{title}: block too long")
        need(sum(s["children"] for s in lesson["subgroups"]) == c["children"], f"{title}: pupils")
        teachers_here = [s["teacher"] for s in lesson["subgroups"]]
        need(len(set(teachers_here)) == len(teachers_here), f"{title}: one teacher for two subgroups")
        weekly[c["id"]] += sum(spread)
        for k, sub in enumerate(lesson["subgroups"]):
            t = teachers[sub["teacher"]]
            days, _ = teacher_days_and_hours(t)
            need(required_days(lesson) <= days, f"{title}: {t['name']} has too few working days")
            for link in sub["links"]:
                other = by_id.get(link["lesson"])
                need(other is not None and link["subgroup"] < len(other["subgroups"]), f"{title}: bad link")
                back = other["subgroups"][link["subgroup"]]
                need({"lesson": lesson["id"], "subgroup": k} in back["links"], f"{title}: link not mutual")
                need(back["teacher"] == sub["teacher"] and back["subject"] == sub["subject"], f"{title}: link partner")
                need(other["spread"] == spread and other["separatedHours"] == separated, f"{title}: link spread")

    for c in classes:
        open_slots = sum(len(day) for day in class_free_slots(c))
        need(weekly[c["id"]] <= open_slots, f"class {c['name']}: {weekly[c['id']]} hours in {open_slots} lessons")
    for t in teachers:
        _, available = teacher_days_and_hours(t)
        need(0 < t["plannedHours"] <= available, f"{t['name']}: {t['plannedHours']} hours, {available} available")


def summary(project):
    lessons = project["lessons"]["items"]
    subgroups = sum(len(lesson["subgroups"]) for lesson in lessons)
    links = sum(len(s["links"]) for lesson in lessons for s in lesson["subgroups"])
    separated = sum(1 for lesson in lessons if lesson["separatedHours"])
    hours = [t["plannedHours"] for t in project["teachers"]["items"]]
    return (f"{len(project['rooms']['items'])} rooms, {len(project['subjects']['items'])} subjects, "
            f"{len(project['classes']['items'])} classes, {len(hours)} teachers "
            f"({min(hours)}..{max(hours)} hours, {sum(hours)} in all), {len(lessons)} lessons, "
            f"{subgroups} subgroups, {links} links, {separated} lessons with separated hours")


def main():
    try:
        project = build()
    except SchoolError as error:
        sys.exit(f"make_school.py: {error}")
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "school.json")
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        json.dump(project, out, ensure_ascii=False, indent=1)
        out.write("\n")
    print(f"{path}: {summary(project)}")


if __name__ == "__main__":
    main()
