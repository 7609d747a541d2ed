#pragma once
// The suite's version, kept here alone: the programs' version resources,
// `matcalc --version` and the name of the release zip (scripts/package) all
// take it from these two numbers. Plain macros, so that the resource
// compiler reads them too.
#define MATCALC_VERSION_MAJOR 1
#define MATCALC_VERSION_MINOR 1

#define MATCALC_VERSION_TEXT_(x) #x
#define MATCALC_VERSION_TEXT(x) MATCALC_VERSION_TEXT_(x)
// "MAJOR.MINOR", for example "1.1".
#define MATCALC_VERSION MATCALC_VERSION_TEXT(MATCALC_VERSION_MAJOR.MATCALC_VERSION_MINOR)
