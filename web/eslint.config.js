// The page's JavaScript is checked with ESLint's recommended rules: the page's
// own sources run in the browser (the service worker in its own scope), the
// build and the server under Node.
import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['node_modules/'] },
  js.configs.recommended,
  {
    languageOptions: { ecmaVersion: 2022, sourceType: 'module' },
    rules: {
      'no-unused-vars': ['error', { args: 'after-used', argsIgnorePattern: '^_' }],
      eqeqeq: ['error', 'always', { null: 'ignore' }],
      'prefer-const': 'error',
      'no-var': 'error',
    },
  },
  { files: ['src/**/*.js'], languageOptions: { globals: globals.browser } },
  // The build writes the list of files in place of __ARCHIVOS__.
  { files: ['src/sw.js'], languageOptions: { globals: { ...globals.serviceworker, __ARCHIVOS__: 'readonly' } } },
  { files: ['*.mjs', '*.js'], languageOptions: { globals: globals.node } },
  // The tests run under Node what they hand the browser to run in the page.
  { files: ['pruebas/**/*.mjs'], languageOptions: { globals: { ...globals.node, ...globals.browser } } },
];
