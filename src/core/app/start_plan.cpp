#include "core/app/start_plan.h"

#include "core/common/text.h"

namespace tonvero {

StartPlan PlanStart(const std::string& workingFolder, const std::string& argument) {
  StartPlan plan;
  plan.folder = workingFolder;
  if (plan.folder.empty() || plan.folder.back() != '\\') plan.folder += '\\';
  plan.link = ReadTelephoneLink(argument);
  plan.dbBase = plan.link || argument.empty() ? plan.folder + "Base" : StripExtension(argument);
  return plan;
}

}  // namespace tonvero
