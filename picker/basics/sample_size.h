// How much of the screen a sample takes: the pointer's pixel, or the mean of the
// square around it. The eyedropper reads by it and the settings file keeps it, so it
// lives below both.
#ifndef TINTWELL_PICKER_BASICS_SAMPLE_SIZE_H
#define TINTWELL_PICKER_BASICS_SAMPLE_SIZE_H

namespace tintwell {

enum class SampleSize { OnePixel, ThreeByThree, FiveByFive };

}  // namespace tintwell

#endif  // TINTWELL_PICKER_BASICS_SAMPLE_SIZE_H
