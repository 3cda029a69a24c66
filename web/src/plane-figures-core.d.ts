// The module emscripten writes (web/binding): a factory that loads the wasm.
declare module 'plane-figures-core' {
  import type { Core } from './core';
  const factory: (options?: object) => Promise<Core>;
  export default factory;
}
