// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation core, compiled to WebAssembly from the same C++ as the
// desktop program, and the few lines of glue that pass it texts. Works in a
// browser (give a URL) and under Node (give the bytes).

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

  // A text the core answered with, up to its NUL.
  function answer(at) {
    const memory = new Uint8Array(core.memory.buffer);
    return decoder.decode(memory.subarray(at, memory.indexOf(0, at)));
  }

  // One step of the request: its texts in, in the core's field order, NUL
  // after each; its answer out.
  function step(name, texts) {
    const request = encoder.encode(texts.map((text) => `${text}\0`).join(''));
    const at = core.quorvel_request_buffer(request.length);
    new Uint8Array(core.memory.buffer, at, request.length).set(request);
    return answer(core[name]());
  }

  // The request's fields, named as the controls that hold them, in order.
  const fields = answer(core.quorvel_fields()).split('\n');

  // The answer's lines for the input's fields, or null when the step has
  // nothing to say.
  function lines(name, input) {
    const text = step(name, fields.map((field) => input[field]));
    return text === '' ? null : text.split('\n');
  }

  return {
    fields,
    // The result boxes' ids, in the order compute answers.
    results: answer(core.quorvel_results()).split('\n'),
    // The step's answer as the core wrote it, for comparing cores.
    raw: step,
    // The first bad field: { message, title, focus } (focus is a control id).
    check(input) {
      const found = lines('quorvel_check', input);
      return found && { message: found[0], title: found[1], focus: found[2] };
    },
    // The question when the level falls: { message, title, focus }, the
    // focus being where a No sends it.
    question(input) {
      const found = lines('quorvel_question', input);
      return found && { message: found[0], title: found[1], focus: found[2] };
    },
    // The five result texts, in the order of results.
    compute(input) {
      return lines('quorvel_compute', input);
    },
    // The working behind each of them, in the same order.
    working(input) {
      return lines('quorvel_working', input);
    },
    // The calculation as one text, to copy or share.
    summary(input) {
      return lines('quorvel_summary', input)?.join('\n') ?? null;
    },
    // Every other level after: { item, change, falls, texts }, in the list's
    // order; none for an input the core turns away.
    levels(input) {
      return (lines('quorvel_levels', input) ?? []).map((line) => {
        const [item, change, falls, ...texts] = line.split('\t');
        return { item, change, falls: falls === '1', texts };
      });
    },
  };
}
