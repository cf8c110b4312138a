#pragma once

namespace platform {

// The ways the start is made faster or smaller than Qt's plain way. A
// benchmark build (ARDENTIS_TUNING_SWITCHES) switches any of them off by
// name in ARDENTIS_UNTUNED ("arena,icon"), so that bench/tuning.sh can
// show what each is worth; in every other build they are all on.
enum class Tuning {
    OneMallocArena,          // "arena"
    EarlyFontConfiguration,  // "fontconfig"
    DeferredMenuIcon,        // "icon"
};

bool isTuned(Tuning tuning);

}  // namespace platform
