// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation core, compiled to WebAssembly from the same C++ as the
// desktop program, and the few lines of glue that pass it texts. Works in a
// browser (give a URL) and under Node (give the bytes).

// The texts of a request, in the order the core reads them.
export const FIELDS = ['cboLevelBefore', 'cboLevelAfter', 'cboRensa', 'txtGofu', 'landChoice', 'txtLandEtc'];

export async function loadCore(source) {
  const bytes = source instanceof URL ? await (await fetch(source)).arrayBuffer() : source;
  const { instance } = await WebAssembly.instantiate(bytes, {
    wasi_snapshot_preview1: {
      proc_exit(code) {
        throw new Error(`the calculation core stopped (${code})`);
      },
    },
  });
  const core = instance.exports;
  core._initialize();
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();

  // One step of the request: the six texts in, NUL after each; its answer out.
  function step(name, input) {
    const request = encoder.encode(FIELDS.map((field) => `${input[field]}\0`).join(''));
    const at = core.quorvel_request_buffer(request.length);
    new Uint8Array(core.memory.buffer, at, request.length).set(request);
    const answer = core[name]();
    const memory = new Uint8Array(core.memory.buffer);
    return decoder.decode(memory.subarray(answer, memory.indexOf(0, answer)));
  }

  // The answer's lines, or null when the step has nothing to say.
  function lines(name, input) {
    const text = step(name, input);
    return text === '' ? null : text.split('\n');
  }

  return {
    // The step's answer as the core wrote it, for comparing cores.
    raw: step,
    // The first bad field: { message, title, focus } (focus is a control id).
    check(input) {
      const answer = lines('quorvel_check', input);
      return answer && { message: answer[0], title: answer[1], focus: answer[2] };
    },
    // The question when the level falls: { message, title }.
    question(input) {
      const answer = lines('quorvel_question', input);
      return answer && { message: answer[0], title: answer[1] };
    },
    // The five result texts, in the order of the result labels.
    compute(input) {
      return lines('quorvel_compute', input);
    },
  };
}
