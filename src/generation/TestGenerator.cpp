#include "TestGenerator.h"

namespace examtrainer {

void generateTest(ExamState&, const std::string&, RandomSource&) {}

} // namespace examtrainer
