// The command line may use neither Qt nor the window.
#include "app/mapping.h"
#include <QString>
