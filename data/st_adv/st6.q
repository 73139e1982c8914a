# The Design of Suspension Bridges

In the opening, how does the text say the cables run between the towers?
- they hang in smooth curves
+ they sweep in smooth curves
- they hang in gentle arcs
- they sweep in gentle arcs

Which point does the text make in its second paragraph?
- the cables pull while the towers are squeezed
- real cable curves lie between two ideal shapes
+ a rope under tension can carry loads over a gap
- a deeper sag calls for taller towers

Which words does the text use for what early ropes were stretched across?
+ deep gorges
- deep ravines
- steep gorges
- steep ravines

Into what does the text say the main cables are anchored at each end?
- solid rock or steel frames
- steel frames or deep piles
- deep piles or concrete blocks
+ concrete blocks or solid rock

Which word does the text use for the oscillations that wrecked the Tacoma deck?
- self-excited
- self-sustaining
+ self-reinforcing
- self-amplifying

What does the text say the Tacoma deck was, for its great length?
+ unusually narrow and shallow
- unusually shallow and light
- unusually light and slender
- unusually slender and narrow

Which of these does the text NOT say about the main cables?
- they are spun on site
- they hold thousands of wires
- their wires are packed tight
+ they are wrapped against rust

According to the last sentence, what does each new record reflect?
- the same lessons of failure
+ the same balance of forces
- the same dream of lightness
- the same spirit of daring
