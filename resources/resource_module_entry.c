/* Entry point of the resource-only modules. They are loaded as image resources and never
   run, but a PE image needs an entry address. */
int __stdcall ResourceModuleEntry(void* instance, unsigned long reason, void* reserved) {
  (void)instance; (void)reason; (void)reserved;
  return 1;
}
