#include "program_fixture.h"

namespace e2e {

RunningProgram* BossKeyProgram::program = nullptr;

}  // namespace e2e
