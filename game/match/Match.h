// The match: RunMatch and the round flow.
#pragma once

namespace Main_Module {
// One match (one round, or the stages of the computer course); returns when it is over or
// abandoned.
void RunMatch();
// Round-end checks, once per frame; each returns at once unless the round is over.
void VersusRoundEnd();
void CourseRoundEnd();
// The interruption before the special round of the course.
void SpecialRoundIntro();
}  // namespace Main_Module
