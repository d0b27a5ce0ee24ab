#pragma once
// What the lessons editor and its link, find and separate-hours dialogs do to the lessons.
#include "LessonFields.h"
#include "LessonFind.h"
#include "LessonLinks.h"
#include "LessonOrder.h"
#include "LessonRowTexts.h"
#include "LessonSeparatedHours.h"
