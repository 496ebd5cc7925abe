#include "storage/stockagetirages.h"

namespace vormigral {

std::unique_ptr<TStockageTirages> creestockagetirages(EchecModule& echec) {
    using Fabrique = TStockageTirages* (*)();
    const auto fabrique =
        reinterpret_cast<Fabrique>(symbolemodule("historique", fabriquestockagetirages, echec));
    return fabrique ? std::unique_ptr<TStockageTirages>(fabrique()) : nullptr;
}

} // namespace vormigral
