# Writes the suite settings file from its template at build time:
#   cmake -DTEMPLATE=in -DOUTPUT=out -DSUITE_DIR=dir -P ConfigureSuiteIni.cmake
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
